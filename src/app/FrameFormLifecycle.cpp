// TFrameForm: settings, start, shut-down, files from the command line and
// from drops, and the arrangement of the MDI children.
#include "app/FrameForm.h"

#include "documents/DocumentCommands.h"
#include "documents/EditForm.h"
#include "platform/AppError.h"
#include "platform/Application.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <algorithm>

namespace larkspur {

// ---------------------------------------------------------------- settings

void TFrameForm::LoadSettings() {
    IniFile ini(settingsPath_);
    WindowLayout layout;
    ReadSettings(ini, layout, *this);
    if (layout.geometryRead) {
        move(layout.Left, layout.Top);
        resize(layout.Width, layout.Height);
    }
    setWindowState(layout.State == 1   ? Qt::WindowMinimized
                   : layout.State == 2 ? Qt::WindowMaximized
                                       : Qt::WindowNoState);
    placeToolBars(layout);
    QAction* checks[ToolBarCount] = {SEditorBar, SBrowserBar, SHTMLBar, SParetteBar};
    for (int i = 0; i < ToolBarCount; ++i) {
        checks[i]->setChecked(layout.bars[i].visible);
        ToolBar(ToolBarId(i))->setHidden(!layout.bars[i].visible);
    }
    SStatusBar->setChecked(layout.StatusBar);
    StatusBar->setHidden(!layout.StatusBar);
    OpenDialogFolder = InitialFolder;
    SaveDialogFolder = InitialFolder;
    OpenDialogURLFolder = URLPath;
    loadedLayout_ = layout;
}

void TFrameForm::placeToolBars(const WindowLayout& layout) {
    // Qt lays tool bars out in rows: bars whose tops are close share a row,
    // ordered by their left edges.
    std::array<int, ToolBarCount> order{EditorBar, BrowserBar, HTMLBar, ParetteBar};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const ToolBarPlace &pa = layout.bars[a], &pb = layout.bars[b];
        return pa.top != pb.top ? pa.top < pb.top : pa.left < pb.left;
    });
    bool first = true;
    int rowTop = 0;
    for (int id : order) {
        const ToolBarPlace& place = layout.bars[id];
        if (!first && place.top - rowTop >= 13) {
            addToolBarBreak(Qt::TopToolBarArea);
            rowTop = place.top;
        }
        if (first)
            rowTop = place.top;
        first = false;
        addToolBar(Qt::TopToolBarArea, ToolBar(ToolBarId(id)));
    }
}

WindowLayout TFrameForm::currentLayout() const {
    WindowLayout layout = loadedLayout_;
    Qt::WindowStates state = windowState();
    layout.State = state & Qt::WindowMinimized ? 1 : state & Qt::WindowMaximized ? 2 : 0;
    layout.Width = width();
    layout.Height = height();
    layout.Left = x();
    layout.Top = y();
    const int areaTop = menuWidget() ? menuWidget()->geometry().bottom() + 1 : 0;
    for (int i = 0; i < ToolBarCount; ++i) {
        QToolBar* bar = ToolBar(ToolBarId(i));
        layout.bars[i].visible = !bar->isHidden();
        // Positions are only known once the window has been laid out.
        if (isVisible() && bar->isVisible() && !bar->isFloating()) {
            layout.bars[i].left = bar->x();
            layout.bars[i].top = bar->y() - areaTop;
        }
    }
    layout.StatusBar = !StatusBar->isHidden();
    return layout;
}

void TFrameForm::SaveSettings() {
    IniFile ini(settingsPath_);
    WriteSettings(ini, currentLayout(), *this);
    if (!ini.UpdateFile().isEmpty())
        throw AppError(QStringLiteral("%1 に書き込めません").arg(settingsPath_));
}

// ------------------------------------------------------------ start and end

void TFrameForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TFrameForm::FormShow() {
    for (const QString& argument : arguments_) {
        if (!FileExists(argument))
            continue;
        loadDocument(NewEditForm(), LongFileName(argument));
    }
}

void TFrameForm::loadDocument(TEditForm* form, const QString& path) {
    // One file that cannot be read is reported; the other files still open.
    RunHandler([&] { form->LoadFile(path); });
}

TEditForm* TFrameForm::NewEditForm() {
    auto* form = new TEditForm(*this);
    MdiArea->addSubWindow(form);
    form->show();
    EditForm = form;
    return form;
}

QList<QMdiSubWindow*> TFrameForm::Children() const { return MdiArea->subWindowList(); }

void TFrameForm::closeEvent(QCloseEvent* event) {
    // Every document is asked first; one refusal stops the shut-down and
    // nothing is written.
    for (QMdiSubWindow* child : Children()) {
        if (auto* form = dynamic_cast<TEditForm*>(child); form && !form->FormCloseQuery()) {
            event->ignore();
            return;
        }
    }
    if (!RunHandler([this] { SaveSettings(); })) {
        event->ignore();
        return;
    }
    // The documents have agreed: they close without a second question.
    for (QMdiSubWindow* child : Children())
        if (auto* form = dynamic_cast<TEditForm*>(child))
            form->CloseWithoutQuery();
    event->accept();
}

// ------------------------------------------------------------------- drops

void TFrameForm::dragEnterEvent(QDragEnterEvent* event) {
    const QMimeData* data = event->mimeData();
    if (data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) {
                event->acceptProposedAction();
                return;
            }
}

void TFrameForm::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    event->acceptProposedAction();
    DropFiles(paths);
}

void TFrameForm::DropFiles(const QStringList& paths) {
    for (const QString& path : paths) {
        if (!FileExists(path))
            continue; // folders and vanished files
        bool open = false;
        for (QMdiSubWindow* child : Children()) {
            if (child->windowTitle() == path) {
                open = true;
                ui_.MessageBox(this, path + QStringLiteral("は既に開かれています"), QStringLiteral("Larkspur"),
                               MsgIcon::Exclamation, MsgButtons::Ok);
            }
        }
        if (!open)
            loadDocument(NewEditForm(), path);
    }
}

void TFrameForm::contextMenuEvent(QContextMenuEvent* event) {
    UpdateActions();
    PopupMenu1->popup(event->globalPos());
}

// ------------------------------------------------------------ Save As entry

bool TFrameForm::SaveAs(TEditForm& form) { return Documents->SaveAs(form); }

// ----------------------------------------------------------- window menu

void TFrameForm::rebuildWindowMenu() {
    QList<QAction*> actions = WindowMenu->actions();
    for (qsizetype i = windowMenuFixedCount_; i < actions.size(); ++i) {
        WindowMenu->removeAction(actions[i]);
        actions[i]->deleteLater();
    }
    const QList<QMdiSubWindow*> children = Children();
    if (children.isEmpty())
        return;
    WindowMenu->addSeparator();
    int n = 0;
    for (QMdiSubWindow* child : children) {
        ++n;
        QString caption = child->windowTitle();
        caption.replace(u'&', QStringLiteral("&&"));
        QAction* a = WindowMenu->addAction(n < 10 ? QStringLiteral("&%1 %2").arg(n).arg(caption)
                                                  : QStringLiteral("%1 %2").arg(n).arg(caption));
        a->setCheckable(true);
        a->setChecked(child == MdiArea->activeSubWindow());
        QPointer<QMdiSubWindow> target = child;
        connect(a, &QAction::triggered, this, [this, target] {
            if (target) {
                if (target->isMinimized())
                    target->showNormal();
                MdiArea->setActiveSubWindow(target);
            }
        });
    }
}

void TFrameForm::WindowsShowAll1Execute() {
    for (QMdiSubWindow* child : Children())
        child->showNormal();
}

bool TFrameForm::WindowsShowAll1Update() const { return !Children().isEmpty(); }

namespace {
QList<QMdiSubWindow*> tileable(const QList<QMdiSubWindow*>& children) {
    QList<QMdiSubWindow*> list;
    for (QMdiSubWindow* c : children)
        if (!c->isMinimized() && !c->isHidden())
            list << c;
    return list;
}
} // namespace

void TFrameForm::TileHorizontal() {
    // One above the other, each the full width.
    QList<QMdiSubWindow*> list = tileable(Children());
    if (list.isEmpty())
        return;
    QSize area = MdiArea->viewport()->size();
    int h = area.height() / int(list.size());
    for (int i = 0; i < list.size(); ++i) {
        list[i]->showNormal();
        list[i]->setGeometry(0, i * h, area.width(), h);
    }
}

void TFrameForm::TileVertical() {
    // Side by side, each the full height.
    QList<QMdiSubWindow*> list = tileable(Children());
    if (list.isEmpty())
        return;
    QSize area = MdiArea->viewport()->size();
    int w = area.width() / int(list.size());
    for (int i = 0; i < list.size(); ++i) {
        list[i]->showNormal();
        list[i]->setGeometry(i * w, 0, w, area.height());
    }
}

void TFrameForm::ArrangeIcons() {
    // Minimised windows in a row along the bottom edge.
    QSize area = MdiArea->viewport()->size();
    int x = 0, y = area.height();
    for (QMdiSubWindow* c : Children()) {
        if (!c->isMinimized())
            continue;
        QSize s = c->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            y -= s.height();
        }
        c->move(x, y - s.height());
        x += s.width();
    }
}

void TFrameForm::MinimizeAll() {
    for (QMdiSubWindow* c : Children())
        c->showMinimized();
}

} // namespace larkspur
