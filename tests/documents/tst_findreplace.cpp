// Find and replace: search forward only, whole word and match case, replace
// once and replace all, and the one modeless dialog.
#include "documents/EditForm.h"
#include "documents/FindReplace.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

class TestFindReplace : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    TEditForm* form = nullptr;
    TReplaceDialog* dialog();
    void setText(const QString& text, long caret = 0);
    QString selection() const { return form->SelectedText(); }

private Q_SLOTS:
    void init();
    void cleanup();

    void flags_data();
    void flags();
    void findNextMovesOnAndNeverWraps();
    void replaceReplacesTheSelectedMatch();
    void replaceAllFromTheCaret();
    void replaceAllWithTheFindTextInsideEnds();
    void replaceAllWithoutMatchesReportsTheEnd();
    void replaceAllKeepsMultibyteText();
    void oneDialogActingOnTheCurrentDocument();
    void textsAreLimited();
};

void TestFindReplace::init() {
    f = new FrameFixture;
    f->Start();
    form = f->frame->NewEditForm();
}

void TestFindReplace::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    delete f;
}

TReplaceDialog* TestFindReplace::dialog() {
    f->frame->UpdateActions();
    f->frame->Action("EditFindReplace1")->trigger();
    return f->frame->ReplaceDialog;
}

void TestFindReplace::setText(const QString& text, long caret) {
    form->Editor->setText(text);
    form->Editor->SendScintilla(B::SCI_GOTOPOS, caret);
}

void TestFindReplace::flags_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("find");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("found");
    QTest::newRow("plain") << "<tdx>"
                           << "td" << false << false << true;
    QTest::newRow("whole word skips td inside tdx") << "<tdx>"
                                                    << "td" << true << false << false;
    QTest::newRow("whole word finds td") << "<td>"
                                         << "td" << true << false << true;
    QTest::newRow("match case: TD is not td") << "<td>"
                                              << "TD" << false << true << false;
    QTest::newRow("no match case: TD is td") << "<td>"
                                             << "TD" << false << false << true;
    QTest::newRow("Japanese") << "日本語のテキスト"
                              << "テキスト" << false << true << true;
    QTest::newRow("regular expression characters are text") << "a.b"
                                                            << "." << false << false << true;
}

void TestFindReplace::flags() {
    QFETCH(QString, text);
    QFETCH(QString, find);
    QFETCH(bool, wholeWord);
    QFETCH(bool, matchCase);
    QFETCH(bool, found);
    setText(text);
    SearchOptions o{find, QString(), wholeWord, matchCase};
    QCOMPARE(FindReplace::FindNext(*form, o), found);
    if (found)
        QCOMPARE(selection().compare(find, Qt::CaseInsensitive), 0);
}

void TestFindReplace::findNextMovesOnAndNeverWraps() {
    setText("ab ab ab", 0);
    TReplaceDialog* d = dialog();
    d->EditFind->setText("ab");
    d->ButtonFind->click();
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETSELECTIONSTART), 0L);
    d->ButtonFind->click();
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETSELECTIONSTART), 3L);
    d->ButtonFind->click();
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETSELECTIONSTART), 6L);
    d->ButtonFind->click();
    QCOMPARE(f->ui.Texts(), QStringList({"見つかりませんでした。"}));
    QCOMPARE(f->ui.messages[0].title, QString("Larkspur"));
    QCOMPARE(f->ui.messages[0].icon, MsgIcon::None);
    QCOMPARE(selection(), QString("ab")); // unchanged
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETSELECTIONSTART), 6L);
}

void TestFindReplace::replaceReplacesTheSelectedMatch() {
    setText("x td td", 0);
    TReplaceDialog* d = dialog();
    d->EditFind->setText("td");
    d->EditReplace->setText("TH");
    d->ButtonFind->click(); // selects the first td
    d->ButtonReplace->click();
    QCOMPARE(form->Text(), QString("x TH td"));
    QVERIFY(!form->Editor->hasSelectedText()); // the next match is not selected
    QCOMPARE(form->Editor->SendScintilla(B::SCI_GETCURRENTPOS), 4L);
    QVERIFY(form->Modified());
    d->ButtonReplace->click();
    QCOMPARE(form->Text(), QString("x TH TH"));
    d->ButtonReplace->click();
    QCOMPARE(f->ui.Texts(), QStringList({"見つかりませんでした。"}));
}

void TestFindReplace::replaceAllFromTheCaret() {
    setText("a-a-a-a", 3); // caret after the second "a"
    TReplaceDialog* d = dialog();
    d->EditFind->setText("a");
    d->EditReplace->setText("b");
    d->ButtonReplaceAll->click();
    QCOMPARE(form->Text(), QString("a-a-b-b"));
    QCOMPARE(f->ui.Texts(), QStringList({"置換が全て終了しました。"}));
    form->Editor->SendScintilla(B::SCI_GOTOPOS, 0);
    d->ButtonReplaceAll->click();
    QCOMPARE(form->Text(), QString("b-b-b-b"));
    // Not undoable, like every command's edit; the document counts as changed.
    form->Editor->undo();
    QCOMPARE(form->Text(), QString("b-b-b-b"));
    QVERIFY(form->Modified());
}

void TestFindReplace::replaceAllWithTheFindTextInsideEnds() {
    setText("a a a");
    QCOMPARE(FindReplace::ReplaceAll(*form, {"a", "aa"}), 3L);
    QCOMPARE(form->Text(), QString("aa aa aa"));
    setText("abcabc");
    QCOMPARE(FindReplace::ReplaceAll(*form, {"abc", "xabcx"}), 2L);
    QCOMPARE(form->Text(), QString("xabcxxabcx"));
    setText("aaaa");
    QCOMPARE(FindReplace::ReplaceAll(*form, {"a", ""}), 4L);
    QCOMPARE(form->Text(), QString());
}

void TestFindReplace::replaceAllWithoutMatchesReportsTheEnd() {
    setText("nothing here");
    TReplaceDialog* d = dialog();
    d->EditFind->setText("zzz");
    d->ButtonReplaceAll->click();
    QCOMPARE(f->ui.Texts(), QStringList({"置換が全て終了しました。"}));
    QVERIFY(!form->Modified());
}

void TestFindReplace::replaceAllKeepsMultibyteText() {
    setText("日本の日本語と日本");
    QCOMPARE(FindReplace::ReplaceAll(*form, {"日本", "ニッポン"}), 3L);
    QCOMPARE(form->Text(), QString("ニッポンのニッポン語とニッポン"));
}

void TestFindReplace::oneDialogActingOnTheCurrentDocument() {
    TReplaceDialog* first = dialog();
    first->EditFind->setText("keep");
    first->CheckMatchCase->setChecked(true);
    first->hide();
    TReplaceDialog* again = dialog();
    QCOMPARE(again, first);
    QVERIFY(again->isVisible());
    QCOMPARE(again->EditFind->text(), QString("keep")); // kept for the run
    QVERIFY(again->CheckMatchCase->isChecked());
    // It acts on the document in EditForm at each click.
    TEditForm* other = f->frame->NewEditForm();
    other->Editor->setText("keep it");
    again->ButtonFind->click();
    QCOMPARE(other->SelectedText(), QString("keep"));
    // With no document left its buttons do nothing and the command is off.
    form->close();
    other->close();
    QVERIFY(EditForm.isNull());
    again->ButtonFind->click();
    again->ButtonReplaceAll->click();
    QVERIFY(f->ui.messages.isEmpty());
    QVERIFY(again->isVisible());
    f->frame->UpdateActions();
    QVERIFY(!f->frame->Action("EditFindReplace1")->isEnabled());
}

void TestFindReplace::textsAreLimited() {
    TReplaceDialog* d = dialog();
    d->EditFind->setText(QString(300, u'x'));
    QCOMPARE(d->EditFind->text().size(), 255);
    d->EditFind->clear();
    QVERIFY(!d->ButtonFind->isEnabled()); // nothing to find
    QCOMPARE(d->windowTitle(), QString("置換"));
    QVERIFY(!d->isModal());
}

QTEST_MAIN(TestFindReplace)
#include "tst_findreplace.moc"
