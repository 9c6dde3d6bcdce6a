// TForm10key: the numeric pad, a small modal dialog for entering a number
// with the mouse (digits, "%", "*", "," and "."). The caller reads
// EditTenkey after the dialog closes with OK.
#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

namespace larkspur {

class TForm10key : public QDialog {
public:
    explicit TForm10key(QWidget* parent = nullptr);

    QLineEdit* EditTenkey = nullptr;
    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCancel = nullptr;
    QPushButton* ButtonBS = nullptr;
    // The twelve character keys: "0"-"9", "%", "*", ",", ".".
    QPushButton* Key(const QString& caption) const;

    void Button0Click(QPushButton* sender);
    void ButtonBSClick();

protected:
    // Enter presses the focused button; there is no default button, and
    // Escape does nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::array<QPushButton*, 14> keys_{};
};

} // namespace larkspur
