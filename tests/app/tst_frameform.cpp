// The main window: start-up, menus, status bar, tool bars, palette switches,
// files from the command line and drops, shut-down and the settings file.
#include "app/FrameForm.h"
#include "app/PaletteSwitches.h"
#include "app/Startup.h"
#include "documents/DocumentCommands.h"
#include "documents/EditForm.h"
#include "platform/ActionList.h"
#include "platform/AppError.h"
#include "platform/IniFile.h"
#include "platform/InstanceLock.h"
#include "support/TestEnv.h"

#include <QToolButton>
#include <Qsci/qsciscintilla.h>

#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

using namespace larkspur;

// A palette as small as can be, for the switch mechanism.
class TTestPalette;
static QPointer<TTestPalette> TestPalette;
class TTestPalette : public QMdiSubWindow {
public:
    static int created;
    TTestPalette() { ++created; }

protected:
    void closeEvent(QCloseEvent* event) override {
        TestPalette = nullptr; // its own close lets go of it
        QMdiSubWindow::closeEvent(event);
    }
};
int TTestPalette::created = 0;

class TestFrameForm : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    QStringList captions(const QList<QAction*>& actions) const;
    QMenu* menu(const QString& name) const;
    TEditForm* doc(int i) const { return dynamic_cast<TEditForm*>(f->frame->Children().at(i)); }

private Q_SLOTS:
    void init();
    void cleanup();

    void mainMenu_data();
    void mainMenu();
    void contextMenus();
    void statusBarPanels();
    void firstStartWithoutSettings();
    void commandsWithoutADocument();
    void commandLineFiles();
    void unreadableCommandLineFileDoesNotStopTheOthers();
    void droppedFiles();
    void filesDroppedOnADocumentOpen();
    void shutDownRefusedByADocument();
    void shutDownWritesEverySetting();
    void unwritableSettingsKeepTheWindowOpen();
    void stateTwoStartsMaximised();
    void junkSettingsFileStartsWithDefaults();
    void hiddenBarsAndStatusBarStayHidden();
    void toolBarButtons();
    void tagPairShownAtStart();
    void paletteSwitch();
    void fileBoundPaletteSwitches_data();
    void fileBoundPaletteSwitches();
    void windowMenu();
    void help();
    void errorEscapingAHandlerIsReported();
    void secondInstanceIsRefused();
    void editFormFollowsActivationAndClose();
};

void TestFrameForm::init() {
    f = new FrameFixture;
    TTestPalette::created = 0;
}

void TestFrameForm::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    QVERIFY(f->ui.answers.empty());
    delete f;
    f = nullptr;
    for (int i = 0; i < PaletteCount; ++i)
        PaletteSwitches::Register(PaletteId(i), {});
}

QStringList TestFrameForm::captions(const QList<QAction*>& actions) const {
    QStringList list;
    for (QAction* a : actions)
        list << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return list;
}

QMenu* TestFrameForm::menu(const QString& name) const { return f->frame->findChild<QMenu*>(name); }

// ------------------------------------------------------------------ menus

void TestFrameForm::mainMenu_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("File") << "File1"
                          << "ファイル(&F)"
                          << QStringList{"新規作成(&N)",
                                         "テンプレート(&T)...",
                                         "開く(&O)...",
                                         "-",
                                         "上書き保存(&S)",
                                         "新規保存(&A)...",
                                         "閉じる(&C)",
                                         "保存して閉じる(&E)",
                                         "-",
                                         "印刷(&P)...",
                                         "-",
                                         "終了(&X)"};
    QTest::newRow("Edit") << "Edit"
                          << "編集(&E)" << QStringList{"元に戻す(&U)",      "全て選択(&A)",         "削除(&D)",     "-",
                                                       "切り取り(&T)",      "コピー(&C)",           "貼り付け(&P)", "-",
                                                       "検索&&置換(&F)...", "ファイルを挿入(&I)..."};
    QTest::newRow("Browser") << "BrowserParent"
                             << "ブラウザ(&B)" << QStringList{"&Internet Explorer", "&Netscape Navigator", "-"};
    QTest::newRow("IE") << "IEDDE"
                        << "&Internet Explorer" << QStringList{"ファイルを開く(&O)", "Larkspurで編集(&E)..."};
    QTest::newRow("HTML") << "HTMLA"
                          << "HTML補助(&A)"
                          << QStringList{"タグ再挿入(&R)",     "フォント名挿入(&F)...", "URLファイルからリンク(&I)...",
                                         "コメントにする(&C)", "大文字にする(&L)",      "小文字にする(&S)",
                                         "日付挿入(&D)"};
    const QStringList palettes{"タグインスペクタ(&A)...", "短文パレット(&S)...", "リンクパレット(&L)...",
                               "画像パレット(&I)...",     "RGBパレット(&R)...",  "FONTパレット(&F)...",
                               "表パレット(&T)...",       "CSSパレット(&C)...",  "プラグインパレット(&P)..."};
    QTest::newRow("Palette") << "Parette"
                             << "パレット(&P)" << palettes;
    QTest::newRow("View") << "Show1"
                          << "表示(&V)" << QStringList{"ツールバー(&T)", "ステータスバー(&S)"};
    QTest::newRow("Tool bars") << "ToolBarMenu"
                               << "ツールバー(&T)"
                               << QStringList{"エディタバー(&E)", "ブラウザバー(&B)", "HTML補助バー(&H)",
                                              "パレットバー(&P)"};
    QTest::newRow("Window")
        << "Window"
        << "ウィンドウ(&W)"
        << QStringList{"水平に並べて表示(&H)", "垂直に並べて表示(&V)", "重ねて表示(&C)", "アイコンの整列(&A)", "-",
                       "全て最小化(&M)",       "全て表示(&S)..."};
    QTest::newRow("Help") << "Help1"
                          << "ヘルプ(&H)" << QStringList{"ヘルプ(&H)", "設定(&O)...", "バージョン情報(&A)..."};
}

void TestFrameForm::mainMenu() {
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    QFETCH(QStringList, items);
    f->Start();
    QMenu* m = this->menu(menu);
    QVERIFY(m);
    QCOMPARE(m->title(), caption);
    QCOMPARE(captions(m->actions()), items);
    // The top-level menus stand in the menu bar in this order.
    QStringList bar = captions(f->frame->menuBar()->actions());
    QCOMPARE(bar, QStringList({"ファイル(&F)", "編集(&E)", "ブラウザ(&B)", "HTML補助(&A)", "パレット(&P)", "表示(&V)",
                               "ウィンドウ(&W)", "ヘルプ(&H)"}));
}

void TestFrameForm::contextMenus() {
    TFrameForm& frame = f->Start();
    QCOMPARE(captions(frame.PopupMenu1->actions()), QStringList({"新規作成(&N)", "パレット(&P)"}));
    QCOMPARE(frame.PopupMenu1->actions()[1]->menu()->actions().size(), 9);
    QCOMPARE(captions(frame.EditPopupMenu->actions()),
             QStringList({"タグ再挿入(&R)", "元に戻す(&U)", "クリップボード(&B)", "HTML補助(&A)", "パレット(&P)",
                          "上書き保存(&S)"}));
    QCOMPARE(captions(frame.EditPopupMenu->actions()[2]->menu()->actions()),
             QStringList({"切り取り(&T)", "コピー(&C)", "貼り付け(&P)"}));
    QCOMPARE(captions(frame.EditPopupMenu->actions()[3]->menu()->actions()),
             QStringList({"フォント名挿入(&F)...", "URLファイルからリンク(&I)...", "コメントにする(&C)",
                          "大文字にする(&L)", "小文字にする(&S)"}));
    // Hints: the part before "|" is the tool tip, the part after it the status text.
    QAction* open = frame.Action("FileOpen1");
    QCOMPARE(open->toolTip(), QString("開く"));
    QCOMPARE(open->statusTip(), QString("ファイルを開く"));
    QCOMPARE(frame.Action("ParetteTag")->statusTip(), QString("タグインスペクタパレットの表示"));
    QCOMPARE(frame.Action("WindowCascade1")->statusTip(), QString("並べて表示"));
    QCOMPARE(frame.Action("WindowMinimizeAll1")->statusTip(), QString("全てを最小化"));
    QCOMPARE(frame.Action("HTMLRetry")->shortcut(), QKeySequence("Ctrl+R"));
}

void TestFrameForm::statusBarPanels() {
    TFrameForm& frame = f->Start();
    QCOMPARE(frame.windowTitle(), QString("Larkspur"));
    QCOMPARE(frame.StatusPanels[0]->minimumWidth(), 30);
    QCOMPARE(frame.StatusPanels[1]->minimumWidth(), 80);
    QCOMPARE(frame.StatusPanels[2]->minimumWidth(), 50);
    QVERIFY(frame.StatusPanels[1]->alignment() & Qt::AlignHCenter);
}

void TestFrameForm::firstStartWithoutSettings() {
    TFrameForm& frame = f->Start({}, false);
    QCOMPARE(frame.size(), QSize(500, 400));
    QCOMPARE(frame.pos(), QPoint(50, 40));
    for (int i = 0; i < ToolBarCount; ++i)
        QVERIFY(!frame.ToolBar(ToolBarId(i))->isHidden());
    QVERIFY(!frame.StatusBar->isHidden());
    QVERIFY(frame.SStatusBar->isChecked());
    QVERIFY(!QFile::exists(f->SettingsPath())); // nothing written before the close
}

void TestFrameForm::commandsWithoutADocument() {
    TFrameForm& frame = f->Start();
    frame.UpdateActions();
    for (const char* name :
         {"FileSave1", "FileSaveAs1", "FileClose1", "FileSaveClose1", "FilePrint1", "EditUndo", "EditSelectAll",
          "EditDeleteSelected1", "FileInsertFile1", "EditFindReplace1", "HTMLRetry", "HTMLFont", "HTMLUrl",
          "HTMLComment", "HTMLToLarge", "HTMLToSmall", "HTMLDate", "FileNewTemplete1"})
        QVERIFY2(!frame.Action(name)->isEnabled(), name);
    for (const char* name : {"FileNew1", "FileOpen1", "FileExit1", "HelpHelp1"})
        QVERIFY2(frame.Action(name)->isEnabled(), name);
    // Commands of later steps stay disabled.
    for (const char* name : {"BrowserIEOpen", "Option", "About"})
        QVERIFY2(!frame.Action(name)->isEnabled(), name);
    frame.NewEditForm();
    frame.UpdateActions();
    QVERIFY(frame.Action("FileSave1")->isEnabled());
    QVERIFY(frame.Action("HTMLDate")->isEnabled());
    // The template command follows its file (once the wizard is there).
    DocumentCommands::SetTemplateWizard([](TFrameForm&) {});
    frame.TempletePath = f->Path("template.html");
    frame.UpdateActions();
    QVERIFY(!frame.Action("FileNewTemplete1")->isEnabled());
    QVERIFY(WriteFileBytes(frame.TempletePath, "<html></html>"));
    frame.UpdateActions();
    QVERIFY(frame.Action("FileNewTemplete1")->isEnabled());
    DocumentCommands::SetTemplateWizard({});
}

// ------------------------------------------------------------------ files

void TestFrameForm::commandLineFiles() {
    QVERIFY(WriteFileBytes(f->Path("a.html"), "<p>a</p>"));
    QDir::setCurrent(f->dir.path());
    TFrameForm& frame = f->Start({"a.html", f->Path("missing.html"), f->Path("a.html"), f->dir.path()});
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(doc(0)->windowTitle(), f->Path("a.html"));
    QCOMPARE(doc(1)->windowTitle(), f->Path("a.html"));
    QCOMPARE(doc(0)->Text(), QString("<p>a</p>"));
    QCOMPARE(EditForm.data(), doc(1));
    QCOMPARE(frame.CurrentFile, f->Path("a.html"));
    QVERIFY(f->ui.messages.isEmpty());
}

void TestFrameForm::unreadableCommandLineFileDoesNotStopTheOthers() {
    // A file that exists but cannot be read, whatever the rights of the
    // tester: reading a process's memory file from offset 0 always fails.
    QVERIFY(QFile::link("/proc/self/mem", f->Path("locked.html")));
    QVERIFY(WriteFileBytes(f->Path("b.html"), "b"));
    TFrameForm& frame = f->Start({f->Path("locked.html"), f->Path("b.html")});
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(doc(0)->windowTitle(), QString("noname"));
    QCOMPARE(doc(1)->windowTitle(), f->Path("b.html"));
    QCOMPARE(f->ui.Texts(), QStringList({"ファイル " + f->Path("locked.html") + " は開けません"}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Stop);
}

void TestFrameForm::droppedFiles() {
    for (const char* name : {"1.html", "2.html", "3.html"})
        QVERIFY(WriteFileBytes(f->Path(name), name));
    TFrameForm& frame = f->Start({f->Path("2.html"), f->Path("2.html")});
    frame.DropFiles({f->Path("1.html"), f->Path("2.html"), f->dir.path(), f->Path("3.html"), f->Path("none")});
    QStringList titles;
    for (QMdiSubWindow* w : frame.Children())
        titles << w->windowTitle();
    QCOMPARE(titles, QStringList({f->Path("2.html"), f->Path("2.html"), f->Path("1.html"), f->Path("3.html")}));
    // Once for each window that shows the file.
    const QString text = f->Path("2.html") + "は既に開かれています";
    QCOMPARE(f->ui.Texts(), QStringList({text, text}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(f->ui.messages[0].buttons, MsgButtons::Ok);
}

void TestFrameForm::filesDroppedOnADocumentOpen() {
    QVERIFY(WriteFileBytes(f->Path("d.html"), "dropped"));
    TFrameForm& frame = f->Start();
    TEditForm* target = frame.NewEditForm();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(f->Path("d.html"))});
    QWidget* viewport = target->Editor->viewport();
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &enter);
    QVERIFY(enter.isAccepted()); // by the main window, through the document
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &drop);
    QCOMPARE(target->Text(), QString()); // the name was not pasted
    QCOMPARE(frame.Children().size(), 2);
    QCOMPARE(doc(1)->Text(), QString("dropped"));
}

// -------------------------------------------------------------- shut-down

void TestFrameForm::shutDownRefusedByADocument() {
    TFrameForm& frame = f->Start();
    TEditForm* d = frame.NewEditForm();
    QTest::keyClicks(d->Editor, "abc");
    f->ui.AnswerButton(MsgResult::Cancel);
    QVERIFY(!f->Close());
    QVERIFY(frame.isVisible());
    QCOMPARE(frame.Children().size(), 1);
    QVERIFY(!QFile::exists(f->SettingsPath()));
    QCOMPARE(f->ui.messages[0].text, QString("noname\nは変更されています。保存しますか？"));
    QCOMPARE(f->ui.messages[0].title, QString("確認"));
    QCOMPARE(f->ui.messages[0].buttons, MsgButtons::YesNoCancel);
}

void TestFrameForm::shutDownWritesEverySetting() {
    TFrameForm& frame = f->Start();
    TEditForm* d = frame.NewEditForm();
    QTest::keyClicks(d->Editor, "abc");
    frame.TagFront = "<B>";
    frame.TagRear = "</B>";
    frame.BrowserList = {"/usr/bin/firefox"};
    f->ui.AnswerButton(MsgResult::No);
    QVERIFY(f->Close());
    QCOMPARE(f->ui.messages.size(), 1); // asked once, not again while closing
    IniFile ini(f->SettingsPath());
    QCOMPARE(ini.ReadString("Tag", "Front", ""), QString("<B>"));
    QCOMPARE(ini.ReadString("Tag", "Rear", ""), QString("</B>"));
    QCOMPARE(ini.ReadString("Browser", "0", ""), QString("/usr/bin/firefox"));
    QCOMPARE(ini.ReadInteger("Window", "Width", 0), frame.width());
    QCOMPARE(ini.ReadSections(),
             QStringList({"Window", "ToolBar", "Editor", "EditHtml", "Tag", "Parette", "Other", "Browser"}));
    QCOMPARE(ini.ReadSection("ToolBar").size(), 13);
}

void TestFrameForm::unwritableSettingsKeepTheWindowOpen() {
    // A folder where the settings file should be: no write can succeed.
    QVERIFY(QDir(f->dir.path()).mkdir("larkspur.ini"));
    TFrameForm& frame = f->Start();
    for (int attempt = 0; attempt < 2; ++attempt) {
        QVERIFY(!f->Close());
        QVERIFY(frame.isVisible());
    }
    const QString text = f->SettingsPath() + " に書き込めません";
    QCOMPARE(f->ui.Texts(), QStringList({text, text}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Stop);
    // Once the file can be written, the window closes.
    QVERIFY(QDir(f->dir.path()).rmdir("larkspur.ini"));
    QVERIFY(f->Close());
}

void TestFrameForm::stateTwoStartsMaximised() {
    QVERIFY(WriteFileBytes(f->SettingsPath(), "[Window]\r\nState=2\r\nWidth=123\r\n"));
    TFrameForm& frame = f->Start({}, false);
    QVERIFY(frame.windowState() & Qt::WindowMaximized);
    QVERIFY(frame.width() != 123);
}

void TestFrameForm::junkSettingsFileStartsWithDefaults() {
    // Binary junk, an overlong line, a duplicate section and a missing "]".
    QByteArray junk;
    for (int i = 0; i < 5000; ++i)
        junk.append(char((i * 131) & 0xFF));
    QVERIFY(WriteFileBytes(f->SettingsPath(), junk + "\r\n[Window]\r\nWidth=" + QByteArray(100000, '9') +
                                                  "\r\n[Window]\r\nWidth=640\r\n[Tag\r\nFront=<I>\r\n"));
    TFrameForm& frame = f->Start({}, false);
    QCOMPARE(frame.width(), 500); // the first [Window] wins; its value is no number
    QCOMPARE(frame.TagFront, QString("<I>"));
    QVERIFY(f->Close());
    IniFile ini(f->SettingsPath());
    QCOMPARE(ini.ReadInteger("Window", "Width", 0), 500);
    QVERIFY(ReadFileBytes(f->SettingsPath()).startsWith(junk)); // lines it does not own stay as they were
}

void TestFrameForm::hiddenBarsAndStatusBarStayHidden() {
    TFrameForm& frame = f->Start();
    frame.SToolBarClick(ParetteBar);
    frame.SToolBarClick(HTMLBar);
    frame.SStatusBar->trigger();
    QVERIFY(frame.StatusBar->isHidden());
    frame.ToolBarMenuClick();
    QVERIFY(!frame.SHTMLBar->isChecked());
    QVERIFY(frame.SEditorBar->isChecked());
    QVERIFY(f->Close());
    TFrameForm& again = f->Start();
    QVERIFY(again.ParetteToolBar->isHidden());
    QVERIFY(again.HtmlToolBar->isHidden());
    QVERIFY(!again.EditorToolBar->isHidden());
    QVERIFY(again.StatusBar->isHidden());
    QVERIFY(!again.SStatusBar->isChecked());
    QVERIFY(!again.SParetteBar->isChecked());
    // Showing a bar again.
    again.SToolBarClick(ParetteBar);
    QVERIFY(!again.ParetteToolBar->isHidden());
}

void TestFrameForm::toolBarButtons() {
    TFrameForm& frame = f->Start();
    auto names = [](QToolBar* bar) {
        QStringList list;
        for (QAction* a : bar->actions())
            list << (a->isSeparator() ? QStringLiteral("-") : a->objectName());
        return list;
    };
    QCOMPARE(names(frame.EditorToolBar), QStringList({"FileNew1", "FileNewTemplete1", "FileOpen1", "FileSave1", "-",
                                                      "EditUndo", "EditCut1", "EditCopy1", "EditPaste1"}));
    QCOMPARE(names(frame.HtmlToolBar), QStringList({"HTMLRetry", "HTMLFont", "HTMLUrl", "HTMLComment"}));
    QCOMPARE(names(frame.ParetteToolBar).size(), 9);
    QVERIFY(frame.findChild<QToolButton*>("ToolButtonIE"));
    QVERIFY(frame.findChild<QToolButton*>("ToolButtonNN"));
    QVERIFY(frame.findChild<QToolButton*>("ToolButtonBrowser"));
    // Editor and browser bars share the first row; HTML and palette bars the second.
    QCOMPARE(frame.toolBarArea(frame.HtmlToolBar), Qt::TopToolBarArea);
    QVERIFY(frame.EditorToolBar->y() == frame.BrowserToolBar->y());
    QVERIFY(frame.HtmlToolBar->y() > frame.EditorToolBar->y());
    QVERIFY(frame.ParetteToolBar->y() == frame.HtmlToolBar->y());
    QVERIFY(frame.ParetteToolBar->x() > frame.HtmlToolBar->x());
}

void TestFrameForm::tagPairShownAtStart() {
    QVERIFY(WriteFileBytes(f->SettingsPath(), "[Tag]\r\nFront=<B>\r\nRear=</B>\r\n"));
    QCOMPARE(f->Start().StatusPanels[2]->text(), QString("<B>*****</B>"));
    QCOMPARE(f->frame->StatusPanels[2]->textFormat(), Qt::PlainText); // shown, not rendered
    f->frame.reset();
    QVERIFY(WriteFileBytes(f->SettingsPath(), "[Tag]\r\nFront=&nbsp;\r\nRear=\r\n"));
    QCOMPARE(f->Start().StatusPanels[2]->text(), QString("&nbsp;"));
}

// -------------------------------------------------------------- palettes

void TestFrameForm::paletteSwitch() {
    TFrameForm& frame = f->Start();
    PaletteSwitches::Register(PaletteLink, [](TFrameForm& frame) {
        ShowPalette<TTestPalette>(TestPalette, *frame.MdiArea, [] { return new TTestPalette; });
    });
    QAction* sw = frame.Action("ParetteLink");
    frame.UpdateActions();
    QVERIFY(sw->isEnabled());
    sw->trigger();
    sw->trigger();
    QCOMPARE(TTestPalette::created, 1);
    QCOMPARE(frame.Children().size(), 1);
    QCOMPARE(frame.MdiArea->activeSubWindow(), TestPalette.data());
    TestPalette->showMinimized();
    sw->trigger();
    QVERIFY(!TestPalette->isMinimized());
    TestPalette->close(); // its own close frees it
    QVERIFY(TestPalette.isNull());
    sw->trigger();
    QCOMPARE(TTestPalette::created, 2);
    // The context menus carry the same switch.
    QVERIFY(frame.PopupMenu1->actions()[1]->menu()->actions().contains(sw));
}

void TestFrameForm::fileBoundPaletteSwitches_data() {
    QTest::addColumn<int>("palette");
    QTest::addColumn<QString>("action");
    QTest::newRow("tag inspector") << int(PaletteTag) << "ParetteTag";
    QTest::newRow("short sentences") << int(PaletteSentence) << "ParetteSentence";
    QTest::newRow("RGB") << int(PaletteRGB) << "ParetteRGB";
    QTest::newRow("plug-in") << int(PalettePlugin) << "ParettePlugin";
}

void TestFrameForm::fileBoundPaletteSwitches() {
    QFETCH(int, palette);
    QFETCH(QString, action);
    TFrameForm& frame = f->Start();
    PaletteSwitches::Register(PaletteId(palette), [](TFrameForm& frame) {
        ShowPalette<TTestPalette>(TestPalette, *frame.MdiArea, [] { return new TTestPalette; });
    });
    QString* path = palette == PaletteTag        ? &frame.InsPath
                    : palette == PaletteSentence ? &frame.TextPath
                    : palette == PaletteRGB      ? &frame.RGBPath
                                                 : &frame.PluginPath;
    QAction* sw = frame.Action(action);
    frame.UpdateActions();
    QVERIFY(!sw->isEnabled()); // empty path
    *path = f->Path("data.ini");
    frame.UpdateActions();
    QVERIFY(!sw->isEnabled()); // no such file
    QVERIFY(WriteFileBytes(*path, "[GroupDef]\r\n"));
    frame.UpdateActions();
    QVERIFY(sw->isEnabled());
    sw->trigger();
    QVERIFY(TestPalette);
    QFile::remove(*path);
    frame.UpdateActions();
    QVERIFY(!sw->isEnabled());
    QVERIFY(TestPalette); // an open palette stays open
}

// ------------------------------------------------------------ window menu

void TestFrameForm::windowMenu() {
    TFrameForm& frame = f->Start();
    QAction* showAll = frame.Action("WindowsShowAll1");
    frame.UpdateActions();
    QVERIFY(!showAll->isEnabled());
    TEditForm* a = frame.NewEditForm();
    TEditForm* b = frame.NewEditForm();
    frame.UpdateActions();
    QVERIFY(showAll->isEnabled());
    frame.Action("WindowMinimizeAll1")->trigger();
    QVERIFY(a->isMinimized() && b->isMinimized());
    showAll->trigger();
    QVERIFY(!a->isMinimized() && !b->isMinimized());
    Q_EMIT frame.WindowMenu->aboutToShow();
    QStringList items = captions(frame.WindowMenu->actions());
    QCOMPARE(items.mid(7), QStringList({"-", "&1 noname", "&2 noname"}));
    frame.Action("WindowTileVertical1")->trigger();
    QCOMPARE(a->y(), b->y());
    frame.Action("WindowTileHorizontal1")->trigger();
    QCOMPARE(a->x(), b->x());
}

void TestFrameForm::help() {
    TFrameForm& frame = f->Start();
    frame.HelpFile = f->Path("larkspur.html");
    frame.Action("HelpHelp1")->trigger();
    QCOMPARE(f->ui.Texts(), QStringList({"ヘルプファイル " + frame.HelpFile + " が見つかりません"}));
    QVERIFY(WriteFileBytes(frame.HelpFile, "<html></html>"));
    frame.Action("HelpHelp1")->trigger();
    QCOMPARE(f->shell.opened, QList<QUrl>({QUrl::fromLocalFile(frame.HelpFile)}));
}

void TestFrameForm::errorEscapingAHandlerIsReported() {
    TFrameForm& frame = f->Start();
    int runs = 0;
    QAction* a = frame.ActionList1->Add("Failing", "x", "", [&] {
        ++runs;
        throw AppError("ディスクがいっぱいです");
    });
    a->trigger();
    a->trigger();
    QCOMPARE(runs, 2);
    QCOMPARE(f->ui.messages.size(), 2);
    QCOMPARE(f->ui.messages[0].text, QString("ディスクがいっぱいです"));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Stop);
}

void TestFrameForm::secondInstanceIsRefused() {
    InstanceLock first(f->Path("larkspur.lock"));
    QVERIFY(first.TryLock());
    StartOptions options{f->Path("larkspur.lock"), f->SettingsPath(), {}};
    bool looped = false;
    int code = StartLarkspur(f->ui, f->shell, options, [&] {
        looped = true;
        return 0;
    });
    QCOMPARE(code, 1);
    QVERIFY(!looped);
    QCOMPARE(f->ui.Texts(), QStringList({"Larkspurは既に起動しています"}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur警告"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Stop);
    QCOMPARE(f->ui.messages[0].buttons, MsgButtons::Ok);
    QVERIFY(!QFile::exists(f->SettingsPath()));
}

void TestFrameForm::editFormFollowsActivationAndClose() {
    QVERIFY(WriteFileBytes(f->Path("a.html"), "a"));
    TFrameForm& frame = f->Start({f->Path("a.html")});
    TEditForm* named = doc(0);
    TEditForm* fresh = frame.NewEditForm();
    QCOMPARE(EditForm.data(), fresh);
    QCOMPARE(frame.CurrentFile, QString("noname"));
    frame.MdiArea->setActiveSubWindow(named);
    QCOMPARE(EditForm.data(), named);
    QCOMPARE(frame.CurrentFile, f->Path("a.html"));
    // Activating a palette leaves the target document alone.
    PaletteSwitches::Register(PaletteLink, [](TFrameForm& frame) {
        ShowPalette<TTestPalette>(TestPalette, *frame.MdiArea, [] { return new TTestPalette; });
    });
    frame.ParetteExecute(PaletteLink);
    QCOMPARE(EditForm.data(), named);
    // Closing any document empties both, until a document is activated.
    frame.MdiArea->setActiveSubWindow(fresh);
    TestPalette->close();
    QVERIFY(fresh->close());
    QCOMPARE(frame.CurrentFile, frame.MdiArea->activeSubWindow() == named ? f->Path("a.html") : QString());
}

QTEST_MAIN(TestFrameForm)
#include "tst_frameform.moc"
