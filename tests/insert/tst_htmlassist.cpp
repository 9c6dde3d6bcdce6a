// The HTML assist commands, through the main window's actions.
#include "documents/EditForm.h"
#include "insert/HtmlAssist.h"
#include "support/TestEnv.h"

#include <QLabel>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

class TestHtmlAssist : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    TEditForm* form = nullptr;
    void run(const char* action) {
        f->frame->UpdateActions();
        f->frame->Action(action)->trigger();
    }
    void select(const QString& text, int start, int end) {
        form->Editor->setText(text);
        form->Editor->SendScintilla(B::SCI_SETSEL, start, end);
    }

private Q_SLOTS:
    void init();
    void cleanup();

    void urlLinkPair_data();
    void urlLinkPair();
    void linkFromAShortcut();
    void linkFromAShortcutInLowerCase();
    void shortcutWithoutTheKeyOrWithJunk();
    void hugeShortcutIsRefused();
    void shortcutWithoutADocumentRemembersThePair();
    void comment();
    void caseOfTheSelection_data();
    void caseOfTheSelection();
    void fontName();
    void date();
};

void TestHtmlAssist::init() {
    f = new FrameFixture;
    f->Start();
    form = f->frame->NewEditForm();
}

void TestHtmlAssist::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    QVERIFY(f->ui.answers.empty());
    delete f;
}

void TestHtmlAssist::urlLinkPair_data() {
    QTest::addColumn<QString>("url");
    QTest::addColumn<bool>("small");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("rear");
    QTest::newRow("upper") << "http://example.jp/A" << false << "<A HREF=\"http://example.jp/A\">"
                           << "</A>";
    QTest::newRow("lower keeps the address") << "http://example.jp/A" << true << "<a href=\"http://example.jp/A\">"
                                             << "</a>";
    QTest::newRow("empty address") << "" << false << "<A HREF=\"\">"
                                   << "</A>";
    QTest::newRow("a quote cannot end the attribute") << "x\" onclick=\"y" << false << "<A HREF=\"x%22 onclick=%22y\">"
                                                      << "</A>";
}

void TestHtmlAssist::urlLinkPair() {
    QFETCH(QString, url);
    QFETCH(bool, small);
    QFETCH(QString, front);
    QFETCH(QString, rear);
    TagPair pair = UrlLinkPair(url, small);
    QCOMPARE(pair.front, front);
    QCOMPARE(pair.rear, rear);
}

void TestHtmlAssist::linkFromAShortcut() {
    f->frame->OpenDialogURLFolder = "/urls";
    const QString file = f->Path("Example Site.url");
    QVERIFY(WriteFileBytes(file, "[InternetShortcut]\r\nURL=http://www.example.jp/Top.html\r\n"));
    select("before after", 7, 12);
    f->ui.AnswerFile(file);
    run("HTMLUrl");
    QCOMPARE(f->ui.fileRequests[0].filters, QStringList({"URLファイル|*.url"}));
    QCOMPARE(f->ui.fileRequests[0].initialDir, QString("/urls"));
    QCOMPARE(form->Text(), QString("before <A HREF=\"http://www.example.jp/Top.html\">Example Site</A>"));
    QCOMPARE(f->frame->StatusPanels[2]->text(), QString("<A HREF=\"http://www.example.jp/Top.html\">*****</A>"));
    QCOMPARE(f->frame->OpenDialogURLFolder, f->dir.path()); // for the rest of the run
    QCOMPARE(f->frame->URLPath, QString());                 // the setting itself stays
}

void TestHtmlAssist::linkFromAShortcutInLowerCase() {
    f->frame->UseSmall = true;
    const QString file = f->Path("news.url");
    QVERIFY(WriteFileBytes(file, "[InternetShortcut]\r\nURL=HTTP://News.Example.JP/\r\n"));
    select("", 0, 0);
    f->ui.AnswerFile(file);
    run("HTMLUrl");
    QCOMPARE(form->Text(), QString("<a href=\"HTTP://News.Example.JP/\">news</a>"));
    QCOMPARE(f->frame->StatusPanels[2]->text(), QString("<a href=\"HTTP://News.Example.JP/\">*****</a>"));
    // Re-insert wraps another selection in the same link.
    form->Editor->setText("S");
    form->Editor->SendScintilla(B::SCI_SETSEL, 0, 1);
    run("HTMLRetry");
    QCOMPARE(form->Text(), QString("<a href=\"HTTP://News.Example.JP/\">S</a>"));
}

void TestHtmlAssist::shortcutWithoutTheKeyOrWithJunk() {
    QVERIFY(WriteFileBytes(f->Path("nokey.url"), "[InternetShortcut]\r\nIconIndex=0\r\n"));
    QByteArray junk;
    for (int i = 0; i < 4096; ++i)
        junk.append(char((i * 37) & 0xFF));
    QVERIFY(WriteFileBytes(f->Path("junk.url"), junk));
    for (const char* name : {"nokey.url", "junk.url"}) {
        form->Editor->setText(QString());
        f->ui.AnswerFile(f->Path(name));
        run("HTMLUrl");
        QCOMPARE(form->Text(), "<A HREF=\"\">" + QString(name).chopped(4) + "</A>");
    }
    QVERIFY(f->ui.messages.isEmpty());
}

void TestHtmlAssist::hugeShortcutIsRefused() {
    QVERIFY(WriteFileBytes(f->Path("big.url"), "[InternetShortcut]\r\nURL=" + QByteArray(2 << 20, 'x')));
    form->Editor->setText("keep");
    f->frame->SetTagPair("<B>", "</B>");
    f->ui.AnswerFile(f->Path("big.url"));
    run("HTMLUrl");
    QCOMPARE(form->Text(), QString("keep"));
    QCOMPARE(f->frame->TagFront, QString("<B>"));
    QCOMPARE(f->ui.Texts(),
             QStringList({"ファイル " + f->Path("big.url") + " はインターネットショートカットではありません"}));
}

void TestHtmlAssist::shortcutWithoutADocumentRemembersThePair() {
    form->close();
    QVERIFY(WriteFileBytes(f->Path("a.url"), "[InternetShortcut]\r\nURL=http://a/\r\n"));
    f->ui.AnswerFile(f->Path("a.url"));
    f->frame->HtmlAssist->HTMLUrlExecute(); // reached without a document
    QCOMPARE(f->frame->TagFront, QString("<A HREF=\"http://a/\">"));
}

void TestHtmlAssist::comment() {
    select("xabcx", 1, 4);
    run("HTMLComment");
    QCOMPARE(form->Text(), QString("x<!-- abc -->x"));
    select("", 0, 0);
    run("HTMLComment");
    QCOMPARE(form->Text(), QString("<!--  -->"));
    QCOMPARE(f->frame->TagFront, QString()); // the pair does not change
}

void TestHtmlAssist::caseOfTheSelection_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result");
    QTest::newRow("upper") << "HTMLToLarge"
                           << "<a href=\"index.html\">top</a>"
                           << "<A HREF=\"INDEX.HTML\">TOP</A>";
    QTest::newRow("lower") << "HTMLToSmall"
                           << "<TD ALIGN=\"Center\">X</TD>"
                           << "<td align=\"center\">x</td>";
    QTest::newRow("Japanese untouched") << "HTMLToLarge"
                                        << "<b>日本語</b>"
                                        << "<B>日本語</B>";
}

void TestHtmlAssist::caseOfTheSelection() {
    QFETCH(QString, action);
    QFETCH(QString, text);
    QFETCH(QString, result);
    select(text, 0, int(text.toUtf8().size()));
    run(action.toLatin1().constData());
    QCOMPARE(form->Text(), result);
    // With no selection nothing changes.
    form->Editor->SendScintilla(B::SCI_GOTOPOS, 0);
    run(action.toLatin1().constData());
    QCOMPARE(form->Text(), result);
}

void TestHtmlAssist::fontName() {
    select("", 0, 0);
    QFont chosen("Noto Serif CJK JP", 24);
    chosen.setBold(true);
    f->ui.AnswerFont(chosen);
    run("HTMLFont");
    QCOMPARE(form->Text(), QString("Noto Serif CJK JP")); // the face name only
    f->ui.AnswerCancel();
    run("HTMLFont");
    QCOMPARE(form->Text(), QString("Noto Serif CJK JP"));
}

void TestHtmlAssist::date() {
    f->frame->SetClock([] { return QDateTime(QDate(1999, 6, 5), QTime(14, 7, 9)); });
    f->frame->SetDateSettings(FormatSettings::FromLocale(QLocale(QLocale::Japanese, QLocale::Japan)));
    select("", 0, 0);
    run("HTMLDate");
    QCOMPARE(form->Text(), QString("1999年06月05日（土）"));
    f->frame->DateFormat = "yyyy/mm/dd hh:nn";
    select("", 0, 0);
    run("HTMLDate");
    QCOMPARE(form->Text(), QString("1999/06/05 14:07"));
}

QTEST_MAIN(TestHtmlAssist)
#include "tst_htmlassist.moc"
