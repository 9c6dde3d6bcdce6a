#include "palettes/tagins/AttrValueBox.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStackedLayout>

namespace larkspur {

TAttrValueBox::TAttrValueBox(QWidget* parent) : QWidget(parent) {
    stack_ = new QStackedLayout(this);
    stack_->setContentsMargins(0, 0, 0, 0);
    plain_ = new QLineEdit(this);
    list_ = new QComboBox(this);
    list_->setEditable(true);
    list_->setInsertPolicy(QComboBox::NoInsert);
    list_->setMaxVisibleItems(20);
    stack_->addWidget(plain_);
    stack_->addWidget(list_);
    setFocusProxy(plain_);
    auto changed = [this] {
        if (onUserChange_)
            onUserChange_();
    };
    connect(plain_, &QLineEdit::textEdited, this, changed);
    connect(list_->lineEdit(), &QLineEdit::textEdited, this, changed);
    connect(list_, &QComboBox::activated, this, changed);
}

QString TAttrValueBox::text() const { return hasList() ? list_->currentText() : plain_->text(); }

void TAttrValueBox::setText(const QString& text) {
    if (hasList())
        list_->setEditText(text);
    else
        plain_->setText(text);
}

void TAttrValueBox::setChoices(const QStringList& choices) {
    list_->clear();
    list_->addItems(choices);
    list_->setCurrentIndex(-1);
    list_->setEditText(QString());
    plain_->clear();
    stack_->setCurrentWidget(choices.isEmpty() ? static_cast<QWidget*>(plain_) : list_);
    setFocusProxy(choices.isEmpty() ? static_cast<QWidget*>(plain_) : list_);
}

QStringList TAttrValueBox::choices() const {
    QStringList items;
    for (int i = 0; i < list_->count(); ++i)
        items << list_->itemText(i);
    return items;
}

bool TAttrValueBox::hasList() const { return stack_->currentWidget() == list_; }

QLineEdit* TAttrValueBox::editor() const { return hasList() ? list_->lineEdit() : plain_; }

} // namespace larkspur
