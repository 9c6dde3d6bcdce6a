// TFrameForm: construction of the window, its actions, menus, tool bars and
// status bar.
#include "app/FrameForm.h"

#include "app/Icons.h"
#include "app/PaletteSwitches.h"
#include "documents/DocumentCommands.h"
#include "documents/EditForm.h"
#include "documents/FindReplace.h"
#include "insert/HtmlAssist.h"
#include "platform/ActionList.h"
#include "platform/AppError.h"
#include "platform/Application.h"
#include "platform/Fonts.h"
#include "platform/Paths.h"
#include "platform/Shell.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace larkspur {

QPointer<TFrameForm> FrameForm;

namespace {
const QString kFrameCaption = QStringLiteral("Larkspur");
}

QString TFrameForm::DefaultSettingsPath() {
    return ChangeFileExt(QCoreApplication::applicationFilePath(), QStringLiteral(".ini"));
}

TFrameForm::TFrameForm(Ui& ui, Shell& shell, const QString& settingsPath, const QStringList& arguments)
    : ui_(ui), shell_(shell), settingsPath_(settingsPath), arguments_(arguments),
      dateSettings_(FormatSettings::FromLocale(QLocale())) {
    FrameForm = this;
    Documents = std::make_unique<DocumentCommands>(*this, ui_);
    HtmlAssist = std::make_unique<HtmlAssistCommands>(*this, ui_);
    InstallFontSubstitutions();
    // 1. The components.
    setObjectName(QStringLiteral("FrameForm"));
    setWindowTitle(kFrameCaption);
    setWindowIcon(ActionIcon(QStringLiteral("Larkspur")));
    MdiArea = new QMdiArea(this);
    MdiArea->setObjectName(QStringLiteral("MdiArea"));
    MdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    MdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(MdiArea);
    connect(MdiArea, &QMdiArea::subWindowActivated, this, [](QMdiSubWindow* window) {
        if (auto* form = dynamic_cast<TEditForm*>(window))
            form->FormActivate();
    });
    RegisterPalettes();
    createActions();
    createMenus();
    createToolBars();
    createStatusBar();
    // 2. The string members start empty (FrameSettings' defaults apply to
    //    what LoadSettings reads).
    CurrentFile.clear();
    // 3. A drop target for files.
    setAcceptDrops(true);
    // 4. The help page beside the executable.
    HelpFile = ChangeFileExt(QCoreApplication::applicationFilePath(), QStringLiteral(".html"));
    // 5. No palette is open (their QPointers start null).
    // 6. The settings.
    LoadSettings();
    // 7.
    FormCreate();
    ActionList1->UpdateWhenIdle();
    UpdateActions();
}

TFrameForm::~TFrameForm() = default;

QAction* TFrameForm::Action(const QString& name) const { return ActionList1->Find(name); }

void TFrameForm::UpdateActions() { ActionList1->UpdateActions(); }

QToolBar* TFrameForm::ToolBar(ToolBarId id) const {
    switch (id) {
    case EditorBar: return EditorToolBar;
    case BrowserBar: return BrowserToolBar;
    case HTMLBar: return HtmlToolBar;
    case ParetteBar: return ParetteToolBar;
    default: return nullptr;
    }
}

void TFrameForm::createActions() {
    ActionList1 = new ActionList(this);
    ActionList1->setObjectName(QStringLiteral("ActionList1"));
    auto add = [this](const char* name, const QString& caption, const QString& hint,
                      const QKeySequence& shortcut = {}) {
        QAction* a = ActionList1->Add(QString::fromLatin1(name), caption, hint);
        a->setShortcut(shortcut);
        a->setIcon(ActionIcon(a->objectName()));
        return a;
    };
    // File and Edit commands.
    DocumentCommands* d = Documents.get();
    auto hasDocument = [] { return !EditForm.isNull(); };
    auto command = [&](const char* name, const QString& caption, const QString& hint, std::function<void()> run,
                       std::function<bool()> update, const QKeySequence& shortcut = {}) {
        QAction* a = add(name, caption, hint, shortcut);
        ActionList1->SetExecute(a, std::move(run));
        ActionList1->SetUpdate(a, std::move(update));
        return a;
    };
    command(
        "FileNew1", QStringLiteral("新規作成(&N)"), QStringLiteral("新規"), [d] { d->FileNew1Execute(); }, {},
        QKeySequence(Qt::CTRL | Qt::Key_N));
    command(
        "FileNewTemplete1", QStringLiteral("テンプレート(&T)..."), QStringLiteral("テンプレートを用いて新規作成"),
        [d] { d->FileNewTemplete1Execute(); }, [d] { return d->FileNewTemplete1Update(); });
    command(
        "FileOpen1", QStringLiteral("開く(&O)..."), QStringLiteral("開く|ファイルを開く"),
        [d] { d->FileOpen1Execute(); }, {}, QKeySequence(Qt::CTRL | Qt::Key_O));
    command(
        "FileSave1", QStringLiteral("上書き保存(&S)"), QStringLiteral("保存|現在のファイルを保存"),
        [d] { d->FileSave1Execute(); }, hasDocument, QKeySequence(Qt::CTRL | Qt::Key_S));
    command(
        "FileSaveAs1", QStringLiteral("新規保存(&A)..."), QStringLiteral("別名保存|ファイルに別の名前をつけて保存"),
        [d] { d->FileSaveAs1Execute(); }, hasDocument);
    command(
        "FileClose1", QStringLiteral("閉じる(&C)"), QStringLiteral("閉じる|現在のファイルを閉じる"),
        [d] { d->FileClose1Execute(); }, hasDocument);
    command(
        "FileSaveClose1", QStringLiteral("保存して閉じる(&E)"), QStringLiteral("保存して閉じる"),
        [d] { d->FileSaveClose1Execute(); }, hasDocument);
    command(
        "FilePrint1", QStringLiteral("印刷(&P)..."), QString(), [d] { d->FilePrint1Execute(); }, hasDocument);
    command("FileExit1", QStringLiteral("終了(&X)"), QStringLiteral("終了|アプリケーションの終了"), [this] { close(); },
            {});
    command(
        "EditUndo", QStringLiteral("元に戻す(&U)"), QStringLiteral("元に戻す"), [d] { d->EditUndoExecute(); },
        hasDocument, QKeySequence(Qt::CTRL | Qt::Key_Z));
    command(
        "EditSelectAll", QStringLiteral("全て選択(&A)"), QStringLiteral("文章全体を選択する"),
        [d] { d->EditSelectAllExecute(); }, hasDocument);
    command(
        "EditDeleteSelected1", QStringLiteral("削除(&D)"), QStringLiteral("選択範囲を削除"),
        [d] { d->EditDeleteSelected1Execute(); }, hasDocument);
    command("EditCut1", QStringLiteral("切り取り(&T)"), QStringLiteral("切り取り|選択部分を削除しｋリップボードに送る"),
            &DocumentCommands::EditCut1Execute, &DocumentCommands::EditCut1Update, QKeySequence(Qt::CTRL | Qt::Key_X));
    command("EditCopy1", QStringLiteral("コピー(&C)"), QStringLiteral("コピー|選択部分をコピーしクリップボードに送る"),
            &DocumentCommands::EditCopy1Execute, &DocumentCommands::EditCopy1Update,
            QKeySequence(Qt::CTRL | Qt::Key_C));
    command("EditPaste1", QStringLiteral("貼り付け(&P)"), QStringLiteral("貼り付け|クリップボードの内容を挿入"),
            &DocumentCommands::EditPaste1Execute, &DocumentCommands::EditPaste1Update,
            QKeySequence(Qt::CTRL | Qt::Key_V));
    command(
        "EditFindReplace1", QStringLiteral("検索&&置換(&F)..."), QStringLiteral("検索&置換"),
        [this] { EditFindReplace1Execute(); }, hasDocument);
    command(
        "FileInsertFile1", QStringLiteral("ファイルを挿入(&I)..."),
        QStringLiteral("カーソル位置にファイルの内容を挿入"), [d] { d->FileInsertFile1Execute(); }, hasDocument);
    // Browser link.
    add("BrowserIE", QStringLiteral("Internet Explorer"), QStringLiteral("Internet Explorer DDE"));
    add("BrowserIEOpen", QStringLiteral("ファイルを開く(&O)"), QStringLiteral("IEで確認する"));
    add("BrowserIEEdit", QStringLiteral("Larkspurで編集(&E)..."),
        QStringLiteral("表示しているファイルをLarkspurで編集"));
    add("BrowserNN", QStringLiteral("Netscape Navigator"), QStringLiteral("Netscape Navigator DDE"));
    add("BrowserNNOpen", QStringLiteral("ファイルを開く(&O)"), QStringLiteral("NNで確認する"));
    add("BrowserNNEdit", QStringLiteral("Larkspurで編集(&E)..."),
        QStringLiteral("表示しているファイルをLarkspurで編集"));
    // HTML assist.
    HtmlAssistCommands* h = HtmlAssist.get();
    command(
        "HTMLRetry", QStringLiteral("タグ再挿入(&R)"), QStringLiteral("下のステータスバーのタグを再挿入"),
        [h] { h->HTMLRetryExecute(); }, hasDocument, QKeySequence(Qt::CTRL | Qt::Key_R));
    command(
        "HTMLFont", QStringLiteral("フォント名挿入(&F)..."), QStringLiteral("フォント名を挿入"),
        [h] { h->HTMLFontExecute(); }, hasDocument);
    command(
        "HTMLUrl", QStringLiteral("URLファイルからリンク(&I)..."), QString(), [h] { h->HTMLUrlExecute(); },
        hasDocument);
    command(
        "HTMLComment", QStringLiteral("コメントにする(&C)"), QStringLiteral("選択範囲をコメント化"),
        [h] { h->HTMLCommentExecute(); }, hasDocument);
    command(
        "HTMLToLarge", QStringLiteral("大文字にする(&L)"), QStringLiteral("選択範囲を大文字にする"),
        [h] { h->HTMLToLargeExecute(); }, hasDocument);
    command(
        "HTMLToSmall", QStringLiteral("小文字にする(&S)"), QStringLiteral("選択範囲を小文字にする"),
        [h] { h->HTMLToSmallExecute(); }, hasDocument);
    command(
        "HTMLDate", QStringLiteral("日付挿入(&D)"), QString(), [h] { h->HTMLDateExecute(); }, hasDocument);
    // Palette switches.
    for (int i = 0; i < PaletteCount; ++i) {
        const PaletteSwitchInfo& info = PaletteSwitch(PaletteId(i));
        QAction* a = add(info.action, info.caption, info.hint);
        ActionList1->SetExecute(a, [this, i] { ParetteExecute(i); });
        ActionList1->SetUpdate(a, [this, i] { return ParetteUpdate(i); });
    }
    // Window menu.
    auto window = [&](const char* name, const QString& caption, const QString& hint, std::function<void()> run) {
        QAction* a = add(name, caption, hint);
        ActionList1->SetExecute(a, std::move(run));
        ActionList1->SetUpdate(a, [this] { return WindowsShowAll1Update(); });
        return a;
    };
    window("WindowTileHorizontal1", QStringLiteral("水平に並べて表示(&H)"), QStringLiteral("水平に並べて表示"),
           [this] { TileHorizontal(); });
    window("WindowTileVertical1", QStringLiteral("垂直に並べて表示(&V)"), QStringLiteral("垂直に並べて表示"),
           [this] { TileVertical(); });
    window("WindowCascade1", QStringLiteral("重ねて表示(&C)"), QStringLiteral("並べて表示"),
           [this] { MdiArea->cascadeSubWindows(); });
    window("WindowArrangeAll1", QStringLiteral("アイコンの整列(&A)"), QStringLiteral("アイコンの整列"),
           [this] { ArrangeIcons(); });
    window("WindowMinimizeAll1", QStringLiteral("全て最小化(&M)"), QStringLiteral("全てを最小化"),
           [this] { MinimizeAll(); });
    window("WindowsShowAll1", QStringLiteral("全て表示(&S)..."), QStringLiteral("全て表示"),
           [this] { WindowsShowAll1Execute(); });
    // Help menu.
    QAction* help = add("HelpHelp1", QStringLiteral("ヘルプ(&H)"), QStringLiteral("ヘルプの表示"));
    ActionList1->SetExecute(help, [this] { HelpHelp1Execute(); });
    add("Option", QStringLiteral("設定(&O)..."), QString());
    add("About", QStringLiteral("バージョン情報(&A)..."), QString());
}

void TFrameForm::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    auto menu = [this, bar](const char* name, const QString& caption) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(QString::fromLatin1(name));
        ActionList1->UpdateBeforeShowing(m);
        return m;
    };
    auto items = [this](QMenu* m, std::initializer_list<const char*> names) {
        for (const char* n : names) {
            if (n[0] == '-')
                m->addSeparator();
            else
                m->addAction(Action(QString::fromLatin1(n)));
        }
    };
    items(menu("File1", QStringLiteral("ファイル(&F)")),
          {"FileNew1", "FileNewTemplete1", "FileOpen1", "-", "FileSave1", "FileSaveAs1", "FileClose1", "FileSaveClose1",
           "-", "FilePrint1", "-", "FileExit1"});
    items(menu("Edit", QStringLiteral("編集(&E)")),
          {"EditUndo", "EditSelectAll", "EditDeleteSelected1", "-", "EditCut1", "EditCopy1", "EditPaste1", "-",
           "EditFindReplace1", "FileInsertFile1"});

    BrowserParent = menu("BrowserParent", QStringLiteral("ブラウザ(&B)"));
    QMenu* ie = BrowserParent->addMenu(QStringLiteral("&Internet Explorer"));
    ie->setObjectName(QStringLiteral("IEDDE"));
    items(ie, {"BrowserIEOpen", "BrowserIEEdit"});
    QMenu* nn = BrowserParent->addMenu(QStringLiteral("&Netscape Navigator"));
    nn->setObjectName(QStringLiteral("NNDDE"));
    items(nn, {"BrowserNNOpen", "BrowserNNEdit"});
    BrowserParent->addSeparator()->setObjectName(QStringLiteral("N7"));
    ActionList1->UpdateBeforeShowing(ie);
    ActionList1->UpdateBeforeShowing(nn);

    items(menu("HTMLA", QStringLiteral("HTML補助(&A)")),
          {"HTMLRetry", "HTMLFont", "HTMLUrl", "HTMLComment", "HTMLToLarge", "HTMLToSmall", "HTMLDate"});
    QMenu* palettes = menu("Parette", QStringLiteral("パレット(&P)"));
    for (int i = 0; i < PaletteCount; ++i)
        palettes->addAction(Action(QString::fromLatin1(PaletteSwitch(PaletteId(i)).action)));

    QMenu* show = menu("Show1", QStringLiteral("表示(&V)"));
    ToolBarMenu = show->addMenu(QStringLiteral("ツールバー(&T)"));
    ToolBarMenu->setObjectName(QStringLiteral("ToolBarMenu"));
    connect(ToolBarMenu, &QMenu::aboutToShow, this, &TFrameForm::ToolBarMenuClick);
    auto barSwitch = [this](const char* name, const QString& caption, ToolBarId id) {
        QAction* a = ToolBarMenu->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, id] { SToolBarClick(id); });
        return a;
    };
    SEditorBar = barSwitch("SEditorBar", QStringLiteral("エディタバー(&E)"), EditorBar);
    SBrowserBar = barSwitch("SBrowserBar", QStringLiteral("ブラウザバー(&B)"), BrowserBar);
    SHTMLBar = barSwitch("SHTMLBar", QStringLiteral("HTML補助バー(&H)"), HTMLBar);
    SParetteBar = barSwitch("SParetteBar", QStringLiteral("パレットバー(&P)"), ParetteBar);
    SStatusBar = show->addAction(QStringLiteral("ステータスバー(&S)"));
    SStatusBar->setObjectName(QStringLiteral("SStatusBar"));
    SStatusBar->setCheckable(true);
    connect(SStatusBar, &QAction::triggered, this, &TFrameForm::SStatusBarClick);

    WindowMenu = menu("Window", QStringLiteral("ウィンドウ(&W)"));
    items(WindowMenu, {"WindowTileHorizontal1", "WindowTileVertical1", "WindowCascade1", "WindowArrangeAll1", "-",
                       "WindowMinimizeAll1", "WindowsShowAll1"});
    windowMenuFixedCount_ = int(WindowMenu->actions().size());
    connect(WindowMenu, &QMenu::aboutToShow, this, &TFrameForm::rebuildWindowMenu);

    items(menu("Help1", QStringLiteral("ヘルプ(&H)")), {"HelpHelp1", "Option", "About"});

    // Context menu of the main window.
    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    PopupMenu1->addAction(Action(QStringLiteral("FileNew1")));
    QMenu* popupPalettes = PopupMenu1->addMenu(QStringLiteral("パレット(&P)"));
    for (int i = 0; i < PaletteCount; ++i)
        popupPalettes->addAction(Action(QString::fromLatin1(PaletteSwitch(PaletteId(i)).action)));
    ActionList1->UpdateBeforeShowing(PopupMenu1);
    ActionList1->UpdateBeforeShowing(popupPalettes);

    // Context menu of the document windows.
    EditPopupMenu = new QMenu(this);
    EditPopupMenu->setObjectName(QStringLiteral("EditPopupMenu"));
    items(EditPopupMenu, {"HTMLRetry", "EditUndo"});
    QMenu* clipboard = EditPopupMenu->addMenu(QStringLiteral("クリップボード(&B)"));
    items(clipboard, {"EditCut1", "EditCopy1", "EditPaste1"});
    QMenu* html = EditPopupMenu->addMenu(QStringLiteral("HTML補助(&A)"));
    items(html, {"HTMLFont", "HTMLUrl", "HTMLComment", "HTMLToLarge", "HTMLToSmall"});
    QMenu* docPalettes = EditPopupMenu->addMenu(QStringLiteral("パレット(&P)"));
    for (int i = 0; i < PaletteCount; ++i)
        docPalettes->addAction(Action(QString::fromLatin1(PaletteSwitch(PaletteId(i)).action)));
    items(EditPopupMenu, {"FileSave1"});
    for (QMenu* m : {EditPopupMenu, clipboard, html, docPalettes})
        ActionList1->UpdateBeforeShowing(m);
}

void TFrameForm::createToolBars() {
    auto bar = [this](const char* name, const QString& title, std::initializer_list<const char*> names) {
        auto* tb = new QToolBar(title, this);
        tb->setObjectName(QString::fromLatin1(name));
        tb->setMovable(true);
        tb->setFloatable(true);
        tb->setIconSize(QSize(16, 16));
        for (const char* n : names) {
            if (n[0] == '-')
                tb->addSeparator();
            else
                tb->addAction(Action(QString::fromLatin1(n)));
        }
        return tb;
    };
    EditorToolBar = bar("EditorToolBar", QStringLiteral("エディタバー"),
                        {"FileNew1", "FileNewTemplete1", "FileOpen1", "FileSave1", "-", "EditUndo", "EditCut1",
                         "EditCopy1", "EditPaste1"});
    HtmlToolBar =
        bar("HtmlToolBar", QStringLiteral("HTML補助バー"), {"HTMLRetry", "HTMLFont", "HTMLUrl", "HTMLComment"});
    ParetteToolBar = bar("ParetteToolBar", QStringLiteral("パレットバー"), {});
    for (int i = 0; i < PaletteCount; ++i)
        ParetteToolBar->addAction(Action(QString::fromLatin1(PaletteSwitch(PaletteId(i)).action)));

    BrowserToolBar = bar("BrowserToolBar", QStringLiteral("ブラウザバー"), {});
    auto* browserButton = new QToolButton(BrowserToolBar);
    browserButton->setObjectName(QStringLiteral("ToolButtonBrowser"));
    browserButton->setIcon(ActionIcon(QStringLiteral("Browser")));
    browserButton->setToolTip(QStringLiteral("ブラウザ"));
    auto* popupBrowser = new QMenu(browserButton);
    popupBrowser->setObjectName(QStringLiteral("PopupMenuBrowser"));
    browserButton->setMenu(popupBrowser);
    browserButton->setPopupMode(QToolButton::MenuButtonPopup);
    browserButton->setEnabled(false); // bound to the first listed browser by the browser link
    BrowserToolBar->addWidget(browserButton);
    BrowserToolBar->addSeparator();
    auto dropDown = [this](const char* action, const char* menuName, std::initializer_list<const char*> names) {
        auto* button = new QToolButton(BrowserToolBar);
        button->setDefaultAction(Action(QString::fromLatin1(action)));
        auto* m = new QMenu(button);
        m->setObjectName(QString::fromLatin1(menuName));
        for (const char* n : names)
            m->addAction(Action(QString::fromLatin1(n)));
        ActionList1->UpdateBeforeShowing(m);
        button->setMenu(m);
        button->setPopupMode(QToolButton::MenuButtonPopup);
        BrowserToolBar->addWidget(button);
        return button;
    };
    dropDown("BrowserIE", "PopupMenuIE", {"BrowserIEOpen", "BrowserIEEdit"})
        ->setObjectName(QStringLiteral("ToolButtonIE"));
    dropDown("BrowserNN", "PopupMenuNN", {"BrowserNNOpen", "BrowserNNEdit"})
        ->setObjectName(QStringLiteral("ToolButtonNN"));
}

void TFrameForm::createStatusBar() {
    StatusBar = statusBar();
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    const int widths[3] = {30, 80, 50};
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(StatusBar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setMinimumWidth(widths[i]);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setTextFormat(Qt::PlainText); // a tag pair is text, not markup to render
        if (i == 1)
            panel->setAlignment(Qt::AlignCenter);
        StatusPanels[i] = panel;
        StatusBar->addWidget(panel, i == 2 ? 1 : 0);
    }
}

void TFrameForm::SetStatusText(int panel, const QString& text) {
    if (panel >= 0 && panel < 3)
        StatusPanels[panel]->setText(text);
}

void TFrameForm::SetCurrentFile(const QString& file) { CurrentFile = file; }

void TFrameForm::FormCreate() {
    // The browser menu is built by the browser link from BrowserList.
    ShowTagPair();
}

void TFrameForm::ToolBarMenuClick() {
    SEditorBar->setChecked(!EditorToolBar->isHidden());
    SBrowserBar->setChecked(!BrowserToolBar->isHidden());
    SHTMLBar->setChecked(!HtmlToolBar->isHidden());
    SParetteBar->setChecked(!ParetteToolBar->isHidden());
}

void TFrameForm::SToolBarClick(ToolBarId id) {
    QToolBar* bar = ToolBar(id);
    bar->setVisible(bar->isHidden());
}

void TFrameForm::SStatusBarClick() {
    // The action has already inverted its own check mark.
    StatusBar->setVisible(SStatusBar->isChecked());
}

void TFrameForm::ParetteExecute(int palette) { PaletteSwitches::Open(PaletteId(palette), *this); }

bool TFrameForm::ParetteUpdate(int palette) const {
    if (!PaletteSwitches::IsBuilt(PaletteId(palette)))
        return false;
    switch (palette) {
    case PaletteTag: return FileExists(InsPath);
    case PaletteSentence: return FileExists(TextPath);
    case PaletteRGB: return FileExists(RGBPath);
    case PalettePlugin: return FileExists(PluginPath);
    default: return true;
    }
}

void TFrameForm::EditFindReplace1Execute() {
    if (!ReplaceDialog)
        ReplaceDialog = new TReplaceDialog(ui_, this);
    ReplaceDialog->show();
    ReplaceDialog->raise();
    ReplaceDialog->activateWindow();
}

void TFrameForm::HelpHelp1Execute() {
    if (!FileExists(HelpFile))
        throw AppError(QStringLiteral("ヘルプファイル %1 が見つかりません").arg(HelpFile));
    shell_.OpenUrl(QUrl::fromLocalFile(HelpFile));
}

} // namespace larkspur
