// The value box of an attribute row: a plain edit field, or an editable
// field with a drop-down list when the attribute has choices.
#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>

class QComboBox;
class QLineEdit;
class QStackedLayout;

namespace larkspur {

class TAttrValueBox : public QWidget {
public:
    explicit TAttrValueBox(QWidget* parent = nullptr);

    QString text() const;
    void setText(const QString& text);
    // Empty choices make a plain edit field; the text is emptied either way.
    void setChoices(const QStringList& choices);
    QStringList choices() const;
    bool hasList() const;
    // Runs when the user changes the text, typing or choosing from the list.
    void setOnUserChange(std::function<void()> run) { onUserChange_ = std::move(run); }

    QLineEdit* editor() const; // the field that currently takes typing

private:
    QStackedLayout* stack_;
    QLineEdit* plain_;
    QComboBox* list_;
    std::function<void()> onUserChange_;
};

} // namespace larkspur
