// What every palette shares: an MDI child of the main window with a fixed
// client area, a title bar with system menu, minimise and close boxes, its own
// mnemonics while it has the focus, and deletion when it is closed.
#pragma once

#include <QMdiSubWindow>

namespace larkspur {

class TPaletteForm : public QMdiSubWindow {
public:
    // `icon` names the action whose picture the title bar shows.
    TPaletteForm(const QString& caption, const QString& icon, QSize clientSize, QWidget* parent = nullptr);

    // The area the palette's controls are placed on.
    QWidget* Client() const { return client_; }

private:
    QWidget* client_;
};

} // namespace larkspur
