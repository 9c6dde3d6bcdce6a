// The document window: status panels, load and save with their errors, the
// close question, encodings kept byte for byte, and settings at creation.
#include "documents/EditForm.h"
#include "platform/AppError.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <QMdiArea>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

class TestEditForm : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    QString panel(int i) const { return f->frame->StatusPanels[i]->text(); }
    TEditForm* open(const QString& name, const QByteArray& bytes);

private Q_SLOTS:
    void init();
    void cleanup();

    void newWindowShowsInsertAndFirstPosition();
    void caretPositionAfterTyping_data();
    void caretPositionAfterTyping();
    void caretPositionCountsDisplayLinesWhenWrapping();
    void insertKeyTogglesMode();
    void closeUnmodifiedAsksNothing();
    void closeModifiedUnnamedCancelSaveAs();
    void closeModifiedNamedYesSaves();
    void closeModifiedNoDiscards();
    void saveFailureKeepsTheOldFile();
    void loadFailureKeepsNoname();
    void documentsComeBackByteForByte_data();
    void documentsComeBackByteForByte();
    void undecodableBytesAreReportedAndKept();
    void characterOutsideCp932SavesAsUtf8();
    void newLinesFollowTheDocument();
    void unrecordedEditKeepsDocumentModified();
    void settingsApplyToNewWindowsOnly();
};

void TestEditForm::init() {
    f = new FrameFixture;
    f->Start();
}

void TestEditForm::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    QVERIFY(f->ui.answers.empty());
    delete f;
}

TEditForm* TestEditForm::open(const QString& name, const QByteArray& bytes) {
    const QString path = f->Path(name);
    if (!WriteFileBytes(path, bytes))
        return nullptr;
    TEditForm* form = f->frame->NewEditForm();
    form->LoadFile(path);
    return form;
}

void TestEditForm::newWindowShowsInsertAndFirstPosition() {
    TEditForm* form = f->frame->NewEditForm();
    QCOMPARE(form->windowTitle(), QString("noname"));
    QCOMPARE(form->size(), QSize(435, 300));
    QCOMPARE(panel(0), QString("挿入"));
    QCOMPARE(panel(1), QString("1,1"));
    QVERIFY(!form->Modified());
}

void TestEditForm::caretPositionAfterTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("three letters") << "abc"
                                   << "4,1";
    QTest::newRow("second line") << "ab\rcd"
                                 << "3,2";
    QTest::newRow("characters, not bytes") << "日本語"
                                           << "4,1";
}

void TestEditForm::caretPositionAfterTyping() {
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    TEditForm* form = f->frame->NewEditForm();
    for (QChar c : typed) {
        if (c == u'\r')
            QTest::keyClick(form->Editor, Qt::Key_Return);
        else
            QTest::sendKeyEvent(QTest::Click, form->Editor, Qt::Key_A, QString(c), Qt::NoModifier);
    }
    QCOMPARE(panel(1), expected);
}

void TestEditForm::caretPositionCountsDisplayLinesWhenWrapping() {
    f->frame->Wrap = true;
    TEditForm* form = f->frame->NewEditForm();
    form->resize(200, 200);
    form->Editor->setText(QString(200, u'x') + "\r\nend");
    form->Editor->SendScintilla(B::SCI_SETWRAPMODE, B::SC_WRAP_CHAR); // wrap even without spaces
    QApplication::processEvents();
    form->Editor->SendScintilla(B::SCI_SETSEL, 202, 202); // start of "end"
    const long wrapped = form->Editor->SendScintilla(B::SCI_WRAPCOUNT, 0);
    QVERIFY(wrapped > 1);
    form->ShowCaretPos();
    QCOMPARE(panel(1), QString("1,%1").arg(wrapped + 1));
    // A caret inside the wrapped paragraph counts from its display line.
    form->Editor->SendScintilla(B::SCI_SETSEL, 199, 199);
    form->ShowCaretPos();
    QVERIFY(panel(1).endsWith(QString(",%1").arg(wrapped)));
    QVERIFY(panel(1).split(',')[0].toInt() < 200);
}

void TestEditForm::insertKeyTogglesMode() {
    TEditForm* form = f->frame->NewEditForm();
    QTest::keyClick(form->Editor, Qt::Key_Insert);
    QCOMPARE(panel(0), QString("上書"));
    QVERIFY(!form->InsertMode);
    QTest::keyClick(form->Editor, Qt::Key_Insert, Qt::ShiftModifier); // paste
    QCOMPARE(panel(0), QString("上書"));
    QTest::keyClick(form->Editor, Qt::Key_Insert, Qt::ControlModifier); // copy
    QCOMPARE(panel(0), QString("上書"));
    QTest::keyClick(form->Editor, Qt::Key_Insert);
    QCOMPARE(panel(0), QString("挿入"));
    // Overwrite really overwrites.
    form->Editor->setText("abc");
    form->Editor->SendScintilla(B::SCI_GOTOPOS, 0);
    QTest::keyClick(form->Editor, Qt::Key_Insert);
    QTest::sendKeyEvent(QTest::Click, form->Editor, Qt::Key_X, QString("x"), Qt::NoModifier);
    QCOMPARE(form->Text(), QString("xbc"));
}

void TestEditForm::closeUnmodifiedAsksNothing() {
    TEditForm* form = open("a.html", "abc");
    QVERIFY(form->close());
    QVERIFY(f->ui.messages.isEmpty());
}

void TestEditForm::closeModifiedUnnamedCancelSaveAs() {
    TEditForm* form = f->frame->NewEditForm();
    QTest::keyClicks(form->Editor, "abc");
    f->ui.AnswerButton(MsgResult::Yes);
    f->ui.AnswerCancel(); // the Save As dialog
    QVERIFY(!form->close());
    QCOMPARE(f->ui.fileRequests.size(), 1);
    QVERIFY(form->Modified());
    QCOMPARE(f->frame->Children().size(), 1);
}

void TestEditForm::closeModifiedNamedYesSaves() {
    TEditForm* form = open("a.html", "abc");
    QPointer<TEditForm> guard = form;
    form->Editor->SendScintilla(B::SCI_DOCUMENTEND);
    QTest::keyClicks(form->Editor, "d");
    f->ui.AnswerButton(MsgResult::Yes);
    QVERIFY(form->close());
    QCOMPARE(f->ui.messages[0].text, f->Path("a.html") + "\nは変更されています。保存しますか？");
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::Exclamation);
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("abcd"));
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    QVERIFY(EditForm.isNull());
    QCOMPARE(f->frame->CurrentFile, QString());
}

void TestEditForm::closeModifiedNoDiscards() {
    TEditForm* form = open("a.html", "abc");
    QTest::keyClicks(form->Editor, "zz");
    f->ui.AnswerButton(MsgResult::No);
    QVERIFY(form->close());
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("abc"));
}

void TestEditForm::saveFailureKeepsTheOldFile() {
    TEditForm* form = open("a.html", "old");
    QTest::keyClicks(form->Editor, "new ");
    // A name below a file cannot be created, whatever the rights.
    const QString bad = f->Path("a.html/b.html");
    QVERIFY_THROWS_EXCEPTION(AppError, form->SaveFile(bad));
    QCOMPARE(form->windowTitle(), bad);
    QVERIFY(form->Modified());
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("old"));
    try {
        form->SaveFile(bad);
    } catch (const AppError& e) {
        QCOMPARE(e.Message(), "ファイル " + bad + " を作成できません");
    }
    // The same document saves fine to a good name, and only then is clean.
    form->SaveFile(f->Path("a.html"));
    QVERIFY(!form->Modified());
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("new old"));
    // No temporary file is left beside it.
    QCOMPARE(QDir(f->dir.path()).entryList(QDir::Files), QStringList({"a.html"}));
}

void TestEditForm::loadFailureKeepsNoname() {
    TEditForm* form = f->frame->NewEditForm();
    const QString gone = f->Path("vanished.html");
    try {
        form->LoadFile(gone);
        QFAIL("no error");
    } catch (const AppError& e) {
        QCOMPARE(e.Message(), "ファイル " + gone + " は開けません");
    }
    QCOMPARE(form->windowTitle(), QString("noname"));
    QCOMPARE(f->frame->CurrentFile, QString("noname"));
}

void TestEditForm::documentsComeBackByteForByte_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("UTF-8 CR LF") << QByteArray("<p>日本語</p>\r\n<p>b</p>\r\n") << "<p>日本語</p>\r\n<p>b</p>\r\n";
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF<p>a</p>") << "<p>a</p>";
    QTest::newRow("LF only") << QByteArray("a\nb\n") << "a\nb\n";
    QTest::newRow("CP932 with NEC and IBM codes")
        << QByteArray("<meta charset=\"Shift_JIS\">\x87\x90\x81\xe0\xed\x40\xfa\x5c\x82\xa0\r\n")
        << "<meta charset=\"Shift_JIS\">≒≒纊纊あ\r\n";
    QTest::newRow("NUL bytes") << QByteArray("a\0b", 3) << QString("a") + QChar(0) + "b";
}

void TestEditForm::documentsComeBackByteForByte() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    TEditForm* form = open("doc.html", bytes);
    QCOMPARE(form->Text(), text);
    QVERIFY(!form->Modified());
    QCOMPARE(form->windowTitle(), f->Path("doc.html"));
    QCOMPARE(f->frame->CurrentFile, f->Path("doc.html"));
    form->SaveFile(form->windowTitle());
    QCOMPARE(ReadFileBytes(f->Path("doc.html")), bytes);
}

void TestEditForm::undecodableBytesAreReportedAndKept() {
    const QByteArray bytes = "<p>\x93\xfa\x96\x7b\x80\xff</p>"; // CP932 with two bytes that are no character
    TEditForm* form = open("junk.html", bytes);
    QCOMPARE(f->ui.messages.size(), 1);
    QVERIFY(f->ui.messages[0].text.contains(f->Path("junk.html")));
    QVERIFY(f->ui.messages[0].text.contains("2"));
    QVERIFY(form->Text().startsWith("<p>日本"));
    form->SaveFile(form->windowTitle());
    QCOMPARE(ReadFileBytes(f->Path("junk.html")), bytes);
}

void TestEditForm::characterOutsideCp932SavesAsUtf8() {
    TEditForm* form = open("s.html", "\x93\xfa\x96\x7b");
    QCOMPARE(form->Encoding(), TextEncoding::Cp932);
    form->Editor->SendScintilla(B::SCI_DOCUMENTEND);
    form->ReplaceSelection("é😀");
    form->SaveFile(form->windowTitle());
    QCOMPARE(ReadFileBytes(f->Path("s.html")), QByteArray("日本é😀"));
    QCOMPARE(f->ui.messages.size(), 1); // the user is told
    QCOMPARE(form->Encoding(), TextEncoding::Utf8);
}

void TestEditForm::newLinesFollowTheDocument() {
    TEditForm* fresh = f->frame->NewEditForm();
    QTest::keyClick(fresh->Editor, Qt::Key_Return);
    QCOMPARE(fresh->Text(), QString("\r\n"));
    TEditForm* lf = open("lf.txt", "a\n");
    lf->Editor->SendScintilla(B::SCI_DOCUMENTEND);
    QTest::keyClick(lf->Editor, Qt::Key_Return);
    QCOMPARE(lf->Text(), QString("a\n\n"));
}

void TestEditForm::unrecordedEditKeepsDocumentModified() {
    TEditForm* form = open("u.html", "abc");
    form->Editor->SendScintilla(B::SCI_SETSEL, 1, 2);
    form->ReplaceSelection("<B>b</B>");
    QCOMPARE(form->Text(), QString("a<B>b</B>c"));
    QVERIFY(form->Modified());
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETCURRENTPOS), 9L);
    QVERIFY(!form->Editor->hasSelectedText());
    form->Editor->undo(); // nothing to take back
    QCOMPARE(form->Text(), QString("a<B>b</B>c"));
    f->ui.AnswerButton(MsgResult::Cancel);
    QVERIFY(!form->close()); // closing asks
}

void TestEditForm::settingsApplyToNewWindowsOnly() {
    TEditForm* before = f->frame->NewEditForm();
    f->frame->FontSize = 20;
    f->frame->BgColor = 0x00FFEE;
    TEditForm* after = f->frame->NewEditForm();
    QCOMPARE(before->Editor->SendScintilla(B::SCI_STYLEGETSIZE, B::STYLE_DEFAULT), 11L);
    QCOMPARE(after->Editor->SendScintilla(B::SCI_STYLEGETSIZE, B::STYLE_DEFAULT), 20L);
    QCOMPARE(after->Editor->SendScintilla(B::SCI_STYLEGETBACK, B::STYLE_DEFAULT), 0x00FFEEL);
    QCOMPARE(after->Editor->SendScintilla(B::SCI_GETWRAPMODE), long(B::SC_WRAP_NONE));
    // The clause being converted by the input method gets ImeBgColor.
    QCOMPARE(after->Editor->SendScintilla(B::SCI_INDICGETFORE, B::INDIC_IME + 1), long(f->frame->ImeBgColor));
}

QTEST_MAIN(TestEditForm)
#include "tst_editform.moc"
