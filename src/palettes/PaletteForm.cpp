#include "palettes/PaletteForm.h"

#include "app/Icons.h"
#include "platform/Mnemonics.h"

#include <QLayout>

namespace larkspur {

TPaletteForm::TPaletteForm(const QString& caption, const QString& icon, QSize clientSize, QWidget* parent)
    : QMdiSubWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    setWindowIcon(ActionIcon(icon));
    setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    client_ = new QWidget(this);
    client_->setFixedSize(clientSize);
    setWidget(client_);
    if (layout())
        layout()->setSizeConstraint(QLayout::SetFixedSize);
    InstallLocalMnemonics(this);
}

} // namespace larkspur
