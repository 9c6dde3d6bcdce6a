// TFrameForm: the main window, an MDI frame that lives as long as the process.
//
// It holds the settings as members (FrameSettings), the menus, tool bars and
// status bar, and the document windows and palettes as MDI children. Work that
// is not about the frame itself lives in controllers of the subsystems.
//
// Ownership: all widgets and actions are Qt children of the window; the
// Ui and Shell are owned by the caller and outlive the window.
#pragma once

#include "app/Settings.h"
#include "documents/DocumentHost.h"
#include "platform/FormatDateTime.h"

#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QToolButton;

namespace larkspur {

class ActionList;
class DocumentCommands;
class HtmlAssistCommands;
class Shell;
class TEditForm;
class TReplaceDialog;

class TFrameForm : public QMainWindow, public FrameSettings, public DocumentHost {
public:
    // `settingsPath` defaults to the executable's path with ".ini";
    // `arguments` are the command-line file names opened when first shown.
    TFrameForm(Ui& ui, Shell& shell, const QString& settingsPath = DefaultSettingsPath(),
               const QStringList& arguments = {});
    ~TFrameForm() override;

    static QString DefaultSettingsPath();

    // Members besides FrameSettings.
    QString CurrentFile;
    QString HelpFile;
    // First folders of the file dialogs.
    QString OpenDialogFolder;
    QString SaveDialogFolder;
    QString OpenDialogURLFolder;

    // Components.
    QMdiArea* MdiArea = nullptr;
    ActionList* ActionList1 = nullptr;
    QStatusBar* StatusBar = nullptr;
    std::array<QLabel*, 3> StatusPanels{};
    QToolBar* EditorToolBar = nullptr;
    QToolBar* BrowserToolBar = nullptr;
    QToolBar* HtmlToolBar = nullptr;
    QToolBar* ParetteToolBar = nullptr;
    QMenu* PopupMenu1 = nullptr;    // context menu of the main window
    QMenu* EditPopupMenu = nullptr; // context menu of document windows
    QMenu* WindowMenu = nullptr;
    QMenu* BrowserParent = nullptr;
    QMenu* ToolBarMenu = nullptr;
    QAction* SEditorBar = nullptr;
    QAction* SBrowserBar = nullptr;
    QAction* SHTMLBar = nullptr;
    QAction* SParetteBar = nullptr;
    QAction* SStatusBar = nullptr;

    // Controllers of the commands.
    std::unique_ptr<DocumentCommands> Documents;
    std::unique_ptr<HtmlAssistCommands> HtmlAssist;
    QPointer<TReplaceDialog> ReplaceDialog;

    QAction* Action(const QString& name) const;
    QToolBar* ToolBar(ToolBarId id) const;
    void UpdateActions();

    // Start, shut-down and files.
    void LoadSettings();
    void SaveSettings(); // throws AppError ("%s に書き込めません")
    void FormCreate();
    void FormShow();
    // Opens dropped files (local paths, in drop order).
    void DropFiles(const QStringList& paths);
    // A new empty document window, stored in EditForm.
    TEditForm* NewEditForm();
    QList<QMdiSubWindow*> Children() const;

    // The insertion core.
    void SetTagPair(const QString& front, const QString& rear);
    void ShowTagPair();
    void WrapSelection();
    void InsertText(const QString& text);
    static QString MakeLinkPath(const QString& document, const QString& target);

    // View menu.
    void ToolBarMenuClick();
    void SToolBarClick(ToolBarId id);
    void SStatusBarClick();

    // Window menu.
    void WindowsShowAll1Execute();
    bool WindowsShowAll1Update() const;
    void TileHorizontal();
    void TileVertical();
    void ArrangeIcons();
    void MinimizeAll();

    void HelpHelp1Execute();
    void EditFindReplace1Execute();

    // The clock and the locale data of the date command (the user's by default).
    QDateTime Now() const { return clock_ ? clock_() : QDateTime::currentDateTime(); }
    void SetClock(std::function<QDateTime()> clock) { clock_ = std::move(clock); }
    const FormatSettings& DateSettings() const { return dateSettings_; }
    void SetDateSettings(const FormatSettings& settings) { dateSettings_ = settings; }
    void ParetteExecute(int palette);
    bool ParetteUpdate(int palette) const;

    // DocumentHost
    Ui& GetUi() override { return ui_; }
    const FrameSettings& Settings() const override { return *this; }
    void SetStatusText(int panel, const QString& text) override;
    void SetCurrentFile(const QString& file) override;
    bool SaveAs(TEditForm& form) override;
    QMenu* DocumentContextMenu() override { return EditPopupMenu; }

    const QString& SettingsPath() const { return settingsPath_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void rebuildWindowMenu();
    void placeToolBars(const WindowLayout& layout);
    WindowLayout currentLayout() const;
    void loadDocument(TEditForm* form, const QString& path);

    Ui& ui_;
    Shell& shell_;
    QString settingsPath_;
    QStringList arguments_;
    WindowLayout loadedLayout_;
    std::function<QDateTime()> clock_;
    FormatSettings dateSettings_;
    bool shown_ = false;
    int windowMenuFixedCount_ = 0;
};

extern QPointer<TFrameForm> FrameForm;

} // namespace larkspur
