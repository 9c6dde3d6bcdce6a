// The File and Edit commands, driven through the main window's actions with
// scripted dialogs.
#include "documents/DocumentCommands.h"
#include "documents/EditForm.h"
#include "documents/FileRules.h"
#include "platform/AppError.h"
#include "support/TestEnv.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPrinter>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

class TestFileCommands : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    // As at idle time: update handlers first, then the command.
    void run(const char* action) {
        f->frame->UpdateActions();
        f->frame->Action(action)->trigger();
    }
    TEditForm* openFile(const QString& name, const QByteArray& bytes);

private Q_SLOTS:
    void init();
    void cleanup();

    void extensionRule_data();
    void extensionRule();
    void insertFileText_data();
    void insertFileText();
    void folderOfFile();

    void newDocument();
    void openFollowsTheLastFolder();
    void openingAnOpenFileOpensNothing();
    void saveAsAppliesTheExtensionRule_data();
    void saveAsAppliesTheExtensionRule();
    void saveAsAsksBeforeReplacingAFile();
    void saveAsStartsAtTheDocument();
    void saveWithANameAsksNothing();
    void saveAndCloseCancelledStaysOpen();
    void closeAsksTheDocument();
    void printToPdf();
    void printToAnUnwritableFileReports();
    void undoSelectAllDelete();
    void insertFile();
    void insertFileThatVanishedOrIsBinary();
    void clipboardActionsFollowTheFocus();
};

void TestFileCommands::init() {
    f = new FrameFixture;
    f->Start();
    f->frame->activateWindow(); // shortcuts and focus need an active window
    QVERIFY(QTest::qWaitForWindowActive(f->frame.get()));
}

void TestFileCommands::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    QVERIFY(f->ui.answers.empty());
    delete f;
}

TEditForm* TestFileCommands::openFile(const QString& name, const QByteArray& bytes) {
    if (!WriteFileBytes(f->Path(name), bytes))
        return nullptr;
    f->ui.AnswerFile(f->Path(name));
    run("FileOpen1");
    return EditForm;
}

// ------------------------------------------------------------------- rules

void TestFileCommands::extensionRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("filter");
    QTest::addColumn<bool>("html");
    QTest::addColumn<bool>("htm");
    QTest::addColumn<QString>("expected");
    QTest::newRow("adds .html") << "/s/top" << 1 << true << false << "/s/top.html";
    QTest::newRow("replaces .css") << "/s/style.css" << 1 << true << false << "/s/style.html";
    QTest::newRow("ExtHtml wins over ExtHtm") << "/s/a.txt" << 1 << true << true << "/s/a.html";
    QTest::newRow("ExtHtm") << "/s/a.html" << 1 << false << true << "/s/a.htm";
    QTest::newRow("neither: as typed") << "/s/a.txt" << 1 << false << false << "/s/a.txt";
    QTest::newRow("second filter: as typed") << "/s/top" << 2 << true << false << "/s/top";
    QTest::newRow("dot in a folder") << "/s.d/top" << 1 << true << false << "/s.d/top.html";
    QTest::newRow("Windows name") << "C:\\site\\index" << 1 << true << false << "C:\\site\\index.html";
}

void TestFileCommands::extensionRule() {
    QFETCH(QString, name);
    QFETCH(int, filter);
    QFETCH(bool, html);
    QFETCH(bool, htm);
    QFETCH(QString, expected);
    QCOMPARE(ApplyExtensionRule(name, filter, html, htm), expected);
}

void TestFileCommands::insertFileText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("last line without a break") << "a\r\nb"
                                               << "a\r\nb\r\n";
    QTest::newRow("last line with a break") << "a\r\nb\r\n"
                                            << "a\r\nb\r\n";
    QTest::newRow("LF and CR lines") << "a\nb\rc"
                                     << "a\r\nb\r\nc\r\n";
    QTest::newRow("empty lines kept") << "a\n\nb"
                                      << "a\r\n\r\nb\r\n";
    QTest::newRow("NUL ends the text") << QString("ab") + QChar(0) + "cd\r\n"
                                       << "ab\r\n";
    QTest::newRow("empty file") << ""
                                << "";
}

void TestFileCommands::insertFileText() {
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(InsertFileText(text), expected);
}

void TestFileCommands::folderOfFile() {
    QCOMPARE(FolderOfFile("/home/a/site/index.html"), QString("/home/a/site"));
    QCOMPARE(FolderOfFile("/index.html"), QString("/"));
    QCOMPARE(FolderOfFile("C:\\index.html"), QString("C:\\"));
    QCOMPARE(FolderOfFile("C:\\site\\index.html"), QString("C:\\site"));
}

// ------------------------------------------------------------------ window

void TestFileCommands::newDocument() {
    f->frame->UpdateActions();
    QTest::keySequence(f->frame.get(), QKeySequence("Ctrl+N"));
    QCOMPARE(f->frame->Children().size(), 1);
    QCOMPARE(EditForm->windowTitle(), QString("noname"));
}

void TestFileCommands::openFollowsTheLastFolder() {
    f->frame->OpenDialogFolder = "/start";
    QVERIFY(QDir(f->dir.path()).mkdir("sub"));
    TEditForm* form = openFile("sub/a.html", "<p>a</p>");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), f->Path("sub/a.html"));
    QCOMPARE(form->Text(), QString("<p>a</p>"));
    const FileDialogRequest& first = f->ui.fileRequests[0];
    QCOMPARE(first.initialDir, QString("/start"));
    QCOMPARE(first.filterIndex, 1);
    QCOMPARE(first.filters, QStringList({"HTMLソース|*.htm;*.html", "全てのファイル|*.*", "CSS定義ファイル|*.css",
                                         "テキストファイル|*.txt", "VRMLｿｰｽﾌｧｲﾙ|*.wrl;*.vrml", "Javaソース|*.java"}));
    f->ui.AnswerCancel();
    run("FileOpen1");
    QCOMPARE(f->ui.fileRequests[1].initialDir, f->Path("sub"));
}

void TestFileCommands::openingAnOpenFileOpensNothing() {
    openFile("a.html", "a");
    f->frame->OpenDialogFolder = "/elsewhere";
    f->ui.AnswerFile(f->Path("a.html"));
    run("FileOpen1");
    QCOMPARE(f->frame->Children().size(), 1);
    QCOMPARE(f->ui.Texts(), QStringList({f->Path("a.html") + "は既に開かれています"}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(f->frame->OpenDialogFolder, QString("/elsewhere"));
}

void TestFileCommands::saveAsAppliesTheExtensionRule_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("filter");
    QTest::addColumn<QString>("written");
    QTest::newRow("first filter adds .html") << "top" << 1 << "top.html";
    QTest::newRow("second filter keeps the name") << "top" << 2 << "top";
    QTest::newRow("first filter replaces .css") << "style.css" << 1 << "style.html";
}

void TestFileCommands::saveAsAppliesTheExtensionRule() {
    QFETCH(QString, typed);
    QFETCH(int, filter);
    QFETCH(QString, written);
    run("FileNew1");
    QTest::keyClicks(EditForm->Editor, "abc");
    f->ui.AnswerFile(f->Path(typed), filter);
    run("FileSaveAs1");
    QCOMPARE(ReadFileBytes(f->Path(written)), QByteArray("abc"));
    QCOMPARE(EditForm->windowTitle(), f->Path(written));
    QVERIFY(!EditForm->Modified());
    QCOMPARE(f->frame->CurrentFile, QString("noname")); // follows at the next activation
}

void TestFileCommands::saveAsAsksBeforeReplacingAFile() {
    QVERIFY(WriteFileBytes(f->Path("index.html"), "old"));
    run("FileNew1");
    QTest::keyClicks(EditForm->Editor, "new");
    // "index" with the first filter is index.html: asked about, refused; then
    // another name that exists, accepted.
    f->ui.AnswerFile(f->Path("index"), 1);
    f->ui.AnswerButton(MsgResult::No);
    f->ui.AnswerFile(f->Path("index.html"), 1);
    f->ui.AnswerButton(MsgResult::Yes);
    run("FileSaveAs1");
    QCOMPARE(f->ui.messages.size(), 2);
    QCOMPARE(f->ui.messages[0].text, f->Path("index.html") + " ファイルは既に存在します。\n上書きしますか?");
    QCOMPARE(f->ui.messages[0].title, QString("名前を付けて保存"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(f->ui.messages[0].buttons, MsgButtons::YesNo);
    QCOMPARE(ReadFileBytes(f->Path("index.html")), QByteArray("new"));
}

void TestFileCommands::saveAsStartsAtTheDocument() {
    TEditForm* form = openFile("page.html", "x");
    f->ui.AnswerCancel();
    run("FileSaveAs1");
    const FileDialogRequest& r = f->ui.fileRequests.last();
    QCOMPARE(r.initialDir, f->dir.path() + "/");
    QCOMPARE(r.fileName, QString("page.html"));
    QCOMPARE(r.filters, QStringList({"HTMLｿｰｽﾌｧｲﾙ(拡張子自動変更)|*.htm;*.html", "全てのﾌｧｲﾙ|*.*"}));
    QCOMPARE(form->windowTitle(), f->Path("page.html"));
    run("FileNew1");
    f->ui.AnswerCancel();
    run("FileSaveAs1");
    QCOMPARE(f->ui.fileRequests.last().initialDir, QString());
    QCOMPARE(f->ui.fileRequests.last().fileName, QString("noname"));
}

void TestFileCommands::saveWithANameAsksNothing() {
    TEditForm* form = openFile("a.html", "a");
    form->Editor->SendScintilla(B::SCI_DOCUMENTEND);
    QTest::keyClicks(form->Editor, "b");
    f->frame->UpdateActions();
    QTest::keySequence(form->Editor, QKeySequence("Ctrl+S"));
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("ab"));
    QCOMPARE(f->ui.fileRequests.size(), 1); // the open dialog only
}

void TestFileCommands::saveAndCloseCancelledStaysOpen() {
    run("FileNew1");
    QTest::keyClicks(EditForm->Editor, "abc");
    QPointer<TEditForm> form = EditForm;
    f->ui.AnswerCancel();
    run("FileSaveClose1");
    QVERIFY(form);
    QVERIFY(form->Modified());
    // With a name it saves and closes.
    f->ui.AnswerFile(f->Path("s.html"), 2);
    run("FileSaveClose1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(form.isNull());
    QCOMPARE(ReadFileBytes(f->Path("s.html")), QByteArray("abc"));
}

void TestFileCommands::closeAsksTheDocument() {
    run("FileNew1");
    QTest::keyClicks(EditForm->Editor, "abc");
    f->ui.AnswerButton(MsgResult::Cancel);
    run("FileClose1");
    QCOMPARE(f->frame->Children().size(), 1);
    f->ui.AnswerButton(MsgResult::No);
    run("FileClose1");
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(f->frame->Children().size(), 0);
    QVERIFY(EditForm.isNull());
}

void TestFileCommands::printToPdf() {
    TEditForm* form = openFile("p.html", "<p>印刷のテスト</p>\r\n");
    const QString pdf = f->Path("out.pdf");
    QString title;
    f->ui.AnswerPrint([&](QPrinter& printer) {
        title = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    run("FilePrint1");
    QCOMPARE(title, form->windowTitle());
    QVERIFY(ReadFileBytes(pdf).startsWith("%PDF"));
    QVERIFY(f->ui.messages.isEmpty());
    f->ui.AnswerCancel();
    run("FilePrint1"); // cancelled: nothing happens
}

void TestFileCommands::printToAnUnwritableFileReports() {
    TEditForm* form = openFile("p.html", "x");
    f->ui.AnswerPrint([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(f->Path("p.html/out.pdf"));
    });
    run("FilePrint1");
    QCOMPARE(f->ui.Texts(), QStringList({form->windowTitle() + " を印刷できません"}));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Stop);
}

void TestFileCommands::undoSelectAllDelete() {
    TEditForm* form = openFile("u.html", "abc");
    form->Editor->SendScintilla(B::SCI_DOCUMENTEND);
    QTest::keyClicks(form->Editor, "d");
    run("EditUndo");
    QCOMPARE(form->Text(), QString("abc"));
    run("EditSelectAll");
    QCOMPARE(form->SelectedText(), QString("abc"));
    run("EditDeleteSelected1");
    QCOMPARE(form->Text(), QString());
    run("EditDeleteSelected1"); // nothing selected: nothing happens
    QCOMPARE(form->Text(), QString());
}

void TestFileCommands::insertFile() {
    TEditForm* form = openFile("doc.html", "<body></body>");
    form->Editor->SendScintilla(B::SCI_SETSEL, 6, 6);
    QVERIFY(WriteFileBytes(f->Path("part.txt"), "<p>一</p>\n<p>二</p>"));
    f->ui.AnswerFile(f->Path("part.txt"));
    run("FileInsertFile1");
    QCOMPARE(form->Text(), QString("<body><p>一</p>\r\n<p>二</p>\r\n</body>"));
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETCURRENTPOS), 6L + QByteArray("<p>一</p>\r\n<p>二</p>\r\n").size());
    QVERIFY(form->Modified());
    // A code page 932 file is read as such.
    QVERIFY(WriteFileBytes(f->Path("sjis.txt"), "\x93\xfa\x96\x7b"));
    f->ui.AnswerFile(f->Path("sjis.txt"));
    run("FileInsertFile1");
    QVERIFY(form->Text().contains("日本\r\n"));
    // The dialog starts where Open does and leaves that folder alone.
    QCOMPARE(f->ui.fileRequests.last().initialDir, f->frame->OpenDialogFolder);
}

void TestFileCommands::insertFileThatVanishedOrIsBinary() {
    TEditForm* form = openFile("doc.html", "keep");
    f->ui.AnswerFile(f->Path("gone.txt"));
    run("FileInsertFile1");
    QCOMPARE(form->Text(), QString("keep"));
    QVERIFY(f->ui.messages.isEmpty());
    QVERIFY(WriteFileBytes(f->Path("img.bin"), QByteArray("\xff\xd8\xff\xe0\x80\x81\xfd", 7)));
    f->ui.AnswerFile(f->Path("img.bin"));
    run("FileInsertFile1");
    QCOMPARE(form->Text(), QString("keep"));
    QCOMPARE(f->ui.Texts(),
             QStringList({"ファイル " + f->Path("img.bin") + " はテキストファイルではないため挿入できません"}));
}

void TestFileCommands::clipboardActionsFollowTheFocus() {
    TEditForm* form = openFile("c.html", "hello");
    form->Editor->setFocus();
    QApplication::clipboard()->clear();
    f->frame->UpdateActions();
    QVERIFY(!f->frame->Action("EditCopy1")->isEnabled());
    form->Editor->SendScintilla(B::SCI_SETSEL, 0, 5);
    f->frame->UpdateActions();
    QVERIFY(f->frame->Action("EditCopy1")->isEnabled());
    QVERIFY(f->frame->Action("EditCut1")->isEnabled());
    run("EditCut1");
    QCOMPARE(form->Text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("hello"));
    f->frame->UpdateActions();
    QVERIFY(f->frame->Action("EditPaste1")->isEnabled());
    run("EditPaste1");
    QCOMPARE(form->Text(), QString("hello"));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
