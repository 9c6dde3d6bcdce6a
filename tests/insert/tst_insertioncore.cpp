// The insertion core: the tag pair, wrapping and inserting, link paths.
#include "documents/EditForm.h"
#include "insert/LinkPath.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

class TestInsertionCore : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;

private Q_SLOTS:
    void init();
    void cleanup();

    void makeLinkPath_data();
    void makeLinkPath();
    void tagPairInStatusPanel_data();
    void tagPairInStatusPanel();
    void wrapSelection_data();
    void wrapSelection();
    void withoutADocumentNothingHappens();
    void insertionsCannotBeUndoneAndMustBeSaved();
    void pairSurvivesARestart();
};

void TestInsertionCore::init() {
    f = new FrameFixture;
    f->Start();
}

void TestInsertionCore::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    delete f;
}

void TestInsertionCore::makeLinkPath_data() {
    QTest::addColumn<QString>("document");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");
    const QString doc = "C:\\site\\index.html";
    QTest::newRow("subfolder") << doc << "C:\\site\\img\\a.gif"
                               << "img/a.gif";
    QTest::newRow("same folder") << doc << "C:\\site\\b.html"
                                 << "b.html";
    QTest::newRow("other folder") << doc << "C:\\other\\c.gif"
                                  << "../other/c.gif";
    QTest::newRow("other drive") << doc << "D:\\pics\\d.gif"
                                 << "d.gif";
    QTest::newRow("drive letter case differs") << "c:\\site\\index.html"
                                               << "C:\\site\\a.gif"
                                               << "a.gif";
    QTest::newRow("folder case ignored on Windows names") << doc << "C:\\SITE\\Img\\a.gif"
                                                          << "Img/a.gif";
    QTest::newRow("two levels up") << "C:\\a\\b\\c\\page.html"
                                   << "C:\\a\\x.gif"
                                   << "../../x.gif";
    QTest::newRow("noname") << "noname"
                            << "C:\\site\\a.gif"
                            << "a.gif";
    QTest::newRow("empty document name") << ""
                                         << "C:\\site\\a.gif"
                                         << "a.gif";
    QTest::newRow("network share") << "\\\\srv\\www\\index.html"
                                   << "\\\\srv\\www\\img\\a.gif"
                                   << "img/a.gif";
    QTest::newRow("POSIX subfolder") << "/home/a/site/index.html"
                                     << "/home/a/site/img/a.gif"
                                     << "img/a.gif";
    QTest::newRow("POSIX same folder") << "/home/a/site/index.html"
                                       << "/home/a/site/b.html"
                                       << "b.html";
    QTest::newRow("POSIX other first folder") << "/home/a/site/index.html"
                                              << "/srv/pics/c.gif"
                                              << "../../../srv/pics/c.gif";
    QTest::newRow("POSIX sibling") << "/home/a/site/index.html"
                                   << "/home/a/other/c.gif"
                                   << "../other/c.gif";
    QTest::newRow("POSIX folders differ in case") << "/home/a/Site/index.html"
                                                  << "/home/a/site/c.gif"
                                                  << "../site/c.gif";
    QTest::newRow("POSIX noname") << "noname"
                                  << "/home/a/site/a.gif"
                                  << "a.gif";
    QTest::newRow("bare name") << "/home/a/site/index.html"
                               << "a.gif"
                               << "a.gif";
}

void TestInsertionCore::makeLinkPath() {
    QFETCH(QString, document);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    QCOMPARE(MakeLinkPath(document, target), expected);
    QCOMPARE(TFrameForm::MakeLinkPath(document, target), expected);
}

void TestInsertionCore::tagPairInStatusPanel_data() {
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("rear");
    QTest::addColumn<QString>("panel");
    QTest::newRow("pair") << "<B>"
                          << "</B>"
                          << "<B>*****</B>";
    QTest::newRow("empty rear") << "&copy;"
                                << ""
                                << "&copy;";
    QTest::newRow("both empty") << ""
                                << ""
                                << "";
}

void TestInsertionCore::tagPairInStatusPanel() {
    QFETCH(QString, front);
    QFETCH(QString, rear);
    QFETCH(QString, panel);
    f->frame->SetTagPair(front, rear);
    QCOMPARE(f->frame->TagFront, front);
    QCOMPARE(f->frame->TagRear, rear);
    QCOMPARE(f->frame->StatusPanels[2]->text(), panel);
}

void TestInsertionCore::wrapSelection_data() {
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("rear");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selEnd");
    QTest::addColumn<QString>("result");
    QTest::addColumn<int>("caret");
    // The document holds "xabcx".
    QTest::newRow("wraps the selection") << "<B>"
                                         << "</B>" << 1 << 4 << "x<B>abc</B>x" << 11;
    QTest::newRow("no selection inserts the pair") << "<B>"
                                                   << "</B>" << 1 << 1 << "x<B></B>abcx" << 8;
    QTest::newRow("empty rear replaces the selection") << "<BR>"
                                                       << "" << 1 << 4 << "x<BR>x" << 5;
    QTest::newRow("empty front changes nothing") << ""
                                                 << "</B>" << 1 << 4 << "xabcx" << -1;
    QTest::newRow("whole text") << "<I>"
                                << "</I>" << 0 << 5 << "<I>xabcx</I>" << 12;
}

void TestInsertionCore::wrapSelection() {
    QFETCH(QString, front);
    QFETCH(QString, rear);
    QFETCH(int, selStart);
    QFETCH(int, selEnd);
    QFETCH(QString, result);
    QFETCH(int, caret);
    TEditForm* form = f->frame->NewEditForm();
    form->Editor->setText("xabcx");
    form->Editor->SendScintilla(B::SCI_SETSEL, selStart, selEnd);
    f->frame->SetTagPair(front, rear);
    f->frame->WrapSelection();
    QCOMPARE(form->Text(), result);
    if (caret >= 0) {
        QCOMPARE(form->Editor->SendScintilla(B::SCI_GETCURRENTPOS), long(caret));
        QVERIFY(!form->Editor->hasSelectedText());
        QVERIFY(form->Modified());
    }
}

void TestInsertionCore::withoutADocumentNothingHappens() {
    f->frame->SetTagPair("<B>", "</B>");
    f->frame->WrapSelection();
    f->frame->InsertText("text");
    QVERIFY(f->ui.messages.isEmpty());
    // A document that was closed is no target either.
    TEditForm* form = f->frame->NewEditForm();
    form->close();
    f->frame->InsertText("text");
    QVERIFY(f->ui.messages.isEmpty());
}

void TestInsertionCore::insertionsCannotBeUndoneAndMustBeSaved() {
    QVERIFY(WriteFileBytes(f->Path("a.html"), "abc"));
    f->ui.AnswerFile(f->Path("a.html"));
    f->frame->UpdateActions();
    f->frame->Action("FileOpen1")->trigger();
    TEditForm* form = EditForm;
    QVERIFY(form);
    QVERIFY(!form->Modified());
    form->Editor->SendScintilla(B::SCI_GOTOPOS, 3);
    QTest::keyClicks(form->Editor, "d");
    f->frame->InsertText("<HR>");
    f->frame->UpdateActions();
    f->frame->Action("EditUndo")->trigger();
    QCOMPARE(form->Text(), QString("abcd<HR>"));
    QVERIFY(form->Modified());
    f->ui.AnswerButton(MsgResult::Cancel);
    QVERIFY(!form->close());
    QCOMPARE(f->ui.messages.size(), 1);
    // Saving clears it.
    form->SaveFile(form->windowTitle());
    QVERIFY(!form->Modified());
    QCOMPARE(ReadFileBytes(f->Path("a.html")), QByteArray("abcd<HR>"));
}

void TestInsertionCore::pairSurvivesARestart() {
    f->frame->SetTagPair("<A HREF=\"x.html\">", "</A>");
    QVERIFY(f->Close());
    TFrameForm& frame = f->Start();
    QCOMPARE(frame.StatusPanels[2]->text(), QString("<A HREF=\"x.html\">*****</A>"));
    TEditForm* form = frame.NewEditForm();
    form->Editor->setText("link");
    form->Editor->SendScintilla(B::SCI_SETSEL, 0, 4);
    frame.UpdateActions();
    frame.Action("HTMLRetry")->trigger();
    QCOMPARE(form->Text(), QString("<A HREF=\"x.html\">link</A>"));
}

QTEST_MAIN(TestInsertionCore)
#include "tst_insertioncore.moc"
