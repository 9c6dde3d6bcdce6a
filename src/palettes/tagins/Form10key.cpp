#include "palettes/tagins/Form10key.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace larkspur {

TForm10key::TForm10key(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form10key"));
    setWindowTitle(QStringLiteral("10キー"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(142, 235);
    EditTenkey = new QLineEdit(this);
    EditTenkey->setObjectName(QStringLiteral("EditTenkey"));
    EditTenkey->setReadOnly(true);
    EditTenkey->setGeometry(8, 8, 125, 22);
    struct KeySpec {
        const char* name;
        const char* caption;
        int x, y;
    };
    static const KeySpec specs[] = {
        {"ButtonPercent", "%", 24, 38}, {"ButtonAstelisk", "*", 54, 38}, {"ButtonBS", "BS", 84, 38},
        {"Button7", "7", 24, 68},       {"Button8", "8", 54, 68},        {"Button9", "9", 84, 68},
        {"Button4", "4", 24, 98},       {"Button5", "5", 54, 98},        {"Button6", "6", 84, 98},
        {"Button1", "1", 24, 128},      {"Button2", "2", 54, 128},       {"Button3", "3", 84, 128},
        {"Button0", "0", 24, 158},      {"ButtonConma", ",", 54, 158},   {"ButtonPeriod", ".", 84, 158},
    };
    size_t k = 0;
    for (const KeySpec& spec : specs) {
        auto* b = new QPushButton(QString::fromLatin1(spec.caption), this);
        b->setObjectName(QString::fromLatin1(spec.name));
        b->setGeometry(spec.x, spec.y, 30, 30);
        b->setAutoDefault(false);
        if (QByteArray(spec.caption) == "BS") {
            ButtonBS = b;
            connect(b, &QPushButton::clicked, this, &TForm10key::ButtonBSClick);
        } else {
            keys_[k++] = b;
            connect(b, &QPushButton::clicked, this, [this, b] { Button0Click(b); });
        }
    }
    ButtonOK = new QPushButton(QStringLiteral("&OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setGeometry(8, 196, 60, 28);
    ButtonCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    ButtonCancel->setObjectName(QStringLiteral("ButtonCancel"));
    ButtonCancel->setGeometry(74, 196, 60, 28);
    for (QPushButton* b : {ButtonOK, ButtonCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(ButtonOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QPushButton* TForm10key::Key(const QString& caption) const {
    for (QPushButton* b : keys_)
        if (b && b->text() == caption)
            return b;
    return caption == u"BS" ? ButtonBS : nullptr;
}

void TForm10key::Button0Click(QPushButton* sender) { EditTenkey->setText(EditTenkey->text() + sender->text()); }

void TForm10key::ButtonBSClick() {
    QString text = EditTenkey->text();
    text.chop(1); // nothing happens to an empty text
    EditTenkey->setText(text);
}

void TForm10key::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (auto* b = qobject_cast<QPushButton*>(QApplication::focusWidget()); b && isAncestorOf(b))
            b->click();
        return;
    case Qt::Key_Escape: return;
    default: QDialog::keyPressEvent(event);
    }
}

} // namespace larkspur
