// The tag inspector and its numeric pad: the definition file's rules, the
// composition of what is inserted, the rows and their buttons, the three
// modes, and the vocabulary shipped in data/.
#include "app/PaletteSwitches.h"
#include "documents/EditForm.h"
#include "insert/Markup.h"
#include "palettes/tagins/Form10key.h"
#include "palettes/tagins/TagComposition.h"
#include "palettes/tagins/TagDefinitions.h"
#include "palettes/tagins/TagInsForm.h"
#include "support/TestEnv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <Qsci/qsciscintilla.h>
#include <QtTest>

using namespace larkspur;
using B = QsciScintillaBase;

static const QString kEdge = QStringLiteral(LARKSPUR_FIXTURES "/tagdefs-edge.ini");
static const QString kShipped = QStringLiteral(LARKSPUR_SOURCE_DIR "/data/tagdefs.ini");

class TestTagInspector : public QObject {
    Q_OBJECT
private:
    FrameFixture* f = nullptr;
    TEditForm* doc = nullptr;
    TTagInsForm* open(const QString& definitions = kEdge);
    void choose(TTagInsForm* p, const QString& group, const QString& tag);
    static AttributeState row(const QString& name, bool ticked, const QString& value = {}, bool enabled = true) {
        return {name, ticked, enabled, value};
    }

private Q_SLOTS:
    void init();
    void cleanup();

    // Pure parts.
    void compose_data();
    void compose();
    void markup();
    void definitionRules();
    void definitionFileThatIsHugeOrHostile();

    // The palette.
    void switchFollowsTheDefinitionFile();
    void layoutAndFocus();
    void rowsFollowTheTag();
    void editsOfTheFileShowAtTheNextTagChange();
    void typingTicksTheRow();
    void colourButton();
    void pathButton();
    void styleButton();
    void numberButton();
    void insertInThreeModes();
    void emptyDefinitionFile();
    void ownMnemonicsWin();
    void closeFreesThePalette();

    // The numeric pad.
    void numericPad();

    // The shipped vocabulary.
    void shippedVocabulary();
};

void TestTagInspector::init() {
    f = new FrameFixture;
    f->Start();
    f->frame->InsPath = kEdge;
    doc = f->frame->NewEditForm();
}

void TestTagInspector::cleanup() {
    QVERIFY2(f->ui.unexpected.isEmpty(), qPrintable(f->ui.unexpected.join(", ")));
    QVERIFY(f->ui.answers.empty());
    delete f;
    QVERIFY(TagInsForm.isNull());
}

TTagInsForm* TestTagInspector::open(const QString& definitions) {
    f->frame->InsPath = definitions;
    f->frame->UpdateActions();
    f->frame->Action("ParetteTag")->trigger();
    return TagInsForm;
}

void TestTagInspector::choose(TTagInsForm* p, const QString& group, const QString& tag) {
    p->TagGroup->setCurrentIndex(p->TagGroup->findText(group));
    p->TagBox->setCurrentIndex(p->TagBox->findText(tag));
}

// ------------------------------------------------------------------ pure

void TestTagInspector::compose_data() {
    QTest::addColumn<QString>("tag");
    QTest::addColumn<std::vector<AttributeState>>("rows");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("rear");
    QTest::addColumn<QString>("text");
    using R = std::vector<AttributeState>;
    const int wrap = int(InsertMode::Wrap), alone = int(InsertMode::Alone), option = int(InsertMode::Option);
    QTest::newRow("href ticked, target not")
        << "A" << R{row("HREF", true, "index.html"), row("TARGET", false, "_top")} << wrap << "<A HREF=\"index.html\">"
        << "</A>"
        << "";
    QTest::newRow("bare attribute") << "TD" << R{row("NOWRAP", true, "x", false)} << wrap << "<TD NOWRAP>"
                                    << "</TD>"
                                    << "";
    QTest::newRow("nothing ticked, wrap") << "B" << R{row("ID", false)} << wrap << "<B>"
                                          << "</B>"
                                          << "";
    QTest::newRow("empty value keeps its quotes") << "P" << R{row("CLASS", true)} << wrap << "<P CLASS=\"\">"
                                                  << "</P>"
                                                  << "";
    QTest::newRow("values as typed, quote included")
        << "IMG" << R{row("ALT", true, "say \"hi\"  ")} << alone << "<IMG ALT=\"say \"hi\"  \">"
        << ""
        << "";
    QTest::newRow("alone has no rear") << "BR" << R{row("CLEAR", true, "all")} << alone << "<BR CLEAR=\"all\">"
                                       << ""
                                       << "";
    QTest::newRow("option: no leading blank, single spaces")
        << "A" << R{row("HREF", true, "a.html"), row("X", false), row("TARGET", true, "_blank")} << option << ""
        << ""
        << "HREF=\"a.html\" TARGET=\"_blank\"";
    QTest::newRow("option, nothing ticked") << "A" << R{row("HREF", false)} << option << ""
                                            << ""
                                            << "";
    QTest::newRow("tag name as listed") << "a" << R{} << wrap << "<a>"
                                        << "</a>"
                                        << "";
    QTest::newRow("empty tag name") << "" << R{} << wrap << "<>"
                                    << "</>"
                                    << "";
}

void TestTagInspector::compose() {
    QFETCH(QString, tag);
    QFETCH(std::vector<AttributeState>, rows);
    QFETCH(int, mode);
    QFETCH(QString, front);
    QFETCH(QString, rear);
    QFETCH(QString, text);
    TagInsertion t = ComposeTag(tag, rows, InsertMode(mode));
    QCOMPARE(t.setsPair, InsertMode(mode) != InsertMode::Option);
    QCOMPARE(t.front, front);
    QCOMPARE(t.rear, rear);
    QCOMPARE(t.text, text);
}

void TestTagInspector::markup() {
    QCOMPARE(HtmlColor(QColor(0, 0, 255), true), QString("#0000ff"));
    QCOMPARE(HtmlColor(QColor(0, 0, 255), false), QString("#0000FF"));
    QCOMPARE(HtmlColor(QColor(0xAB, 0x0C, 0xDE), false), QString("#AB0CDE"));
    QFont arial("Arial", 12);
    arial.setBold(true);
    QCOMPARE(CssFontDeclarations(arial, QColor(255, 0, 0), false),
             QString("font-size:12;font-weight:bold;color:#FF0000;font-family:Arial"));
    QFont all("ＭＳ 明朝", 9);
    all.setItalic(true);
    all.setUnderline(true);
    all.setStrikeOut(true);
    QCOMPARE(CssFontDeclarations(all, QColor(0x12, 0x34, 0xAB), true),
             QString("font-size:9;font-style:italic;text-decoration:underline;text-decoration:line-through;"
                     "color:#1234ab;font-family:ＭＳ 明朝"));
}

void TestTagInspector::definitionRules() {
    TagDefinitions defs(kEdge);
    QCOMPARE(defs.Groups(), QStringList({"Links", "Empty", "Images"}));
    QCOMPARE(defs.Tags("links"), QStringList({"A", "TD", "B", "BR", "X", "Y"})); // names ignore case
    QVERIFY(defs.Tags("Empty").isEmpty());
    TagDefinition a = defs.Tag("A");
    QVERIFY(a.hasEndTag); // no "</>" key
    QCOMPARE(a.rows[0].name, QString("HREF"));
    QCOMPARE(a.rows[0].kind, int(KindPath));
    QCOMPARE(a.rows[1].choices, QStringList({"_blank", "_top"})); // $TARGET
    QCOMPARE(a.rows[2].kind, int(KindStyle));
    QVERIFY(a.rows[3].name.isEmpty()); // key 3 missing: an empty row, and no end of the list
    QCOMPARE(a.rows[4].name, QString("TITLE"));
    QCOMPARE(a.rows[4].kind, int(KindPlain)); // not a number
    QVERIFY(!defs.Tag("BR").hasEndTag);
    QVERIFY(defs.Tag("TD").hasEndTag);
    QVERIFY(defs.Tag("X").hasEndTag); // "</>=abc"
    TagDefinition x = defs.Tag("X");
    QCOMPARE(x.rows[19].name, QString("k19"));    // rows 0..19 only; "20" and on are never read
    QCOMPARE(x.rows[0].kind, int(KindColor) - 1); // 0x1
    QCOMPARE(x.rows[1].kind, 7);
    QCOMPARE(TagDefinitions::ButtonCaption(x.rows[1].kind), QString());
    QCOMPARE(defs.Tag("IMG").rows[1].choices, QStringList({"top", "middle"})); // its own list first
    QCOMPARE(defs.Tag("TD").rows[1].choices, QStringList({"left", "center"})); // $ALIGN, ends at the gap
    QCOMPARE(defs.Tag("a").rows[0].name, QString("HREF"));                     // "a" shares the section of "A"
    // A missing file gives nothing at all.
    TagDefinitions none(f->Path("none.ini"));
    QVERIFY(none.Groups().isEmpty());
    QVERIFY(none.Tag("A").rows[0].name.isEmpty());
}

void TestTagInspector::definitionFileThatIsHugeOrHostile() {
    // 10,000 groups, a 2047-byte attribute name, non-numeric kinds.
    QByteArray big = "[GroupDef]\r\n";
    for (int i = 0; i < 10000; ++i)
        big += QByteArray::number(i) + "=G" + QByteArray::number(i) + "\r\n";
    big += "[@G9999]\r\n0=T\r\n[T]\r\n0=" + QByteArray(3000, 'n') + "\r\n1=W\r\nW=wide\r\n";
    QVERIFY(WriteFileBytes(f->Path("big.ini"), big));
    TagDefinitions defs(f->Path("big.ini"));
    QCOMPARE(defs.Groups().size(), 10000);
    QCOMPARE(defs.Tags("G9999"), QStringList({"T"}));
    TagDefinition t = defs.Tag("T");
    QCOMPARE(t.rows[0].name.size(), 2047);
    QCOMPARE(t.rows[1].kind, int(KindPlain));
    // Without [GroupDef] there are no groups; binary junk reads as nothing.
    QVERIFY(WriteFileBytes(f->Path("junk.ini"), QByteArray(5000, '\x9f')));
    QVERIFY(TagDefinitions(f->Path("junk.ini")).Groups().isEmpty());
    // The palette opens on such files without complaint.
    TTagInsForm* p = open(f->Path("big.ini"));
    QCOMPARE(p->TagGroup->count(), 10000);
    p->close();
}

// --------------------------------------------------------------- palette

void TestTagInspector::switchFollowsTheDefinitionFile() {
    f->frame->InsPath.clear();
    f->frame->UpdateActions();
    QAction* sw = f->frame->Action("ParetteTag");
    QVERIFY(!sw->isEnabled());
    TTagInsForm* p = open();
    QVERIFY(sw->isEnabled());
    QVERIFY(p);
    QCOMPARE(p->windowTitle(), QString("タグインスペクタ"));
    sw->trigger();
    QCOMPARE(TagInsForm.data(), p); // one instance
    p->showMinimized();
    sw->trigger();
    QVERIFY(!p->isMinimized());
    p->close();
}

void TestTagInspector::layoutAndFocus() {
    TTagInsForm* p = open();
    QCOMPARE(p->Label2->text(), QString("グループ(&G)"));
    QCOMPARE(p->Label3->text(), QString("&HTMLタグ"));
    QCOMPARE(p->RadioGroup1->title(), QString("挿入モード"));
    QCOMPARE(p->RadioWrap->text(), QString("挟む(&S)"));
    QCOMPARE(p->RadioAlone->text(), QString("単独(&A)"));
    QCOMPARE(p->RadioOption->text(), QString("&Option"));
    QCOMPARE(p->CheckBoxRelativePath->text(), QString("相対(&R)"));
    QVERIFY(!p->CheckBoxRelativePath->isChecked());
    QCOMPARE(p->InsButton->text(), QString("挿入(&I)"));
    QCOMPARE(p->ScrollBox->size(), QSize(241, 169));
    for (int i = 0; i < 20; ++i) {
        QCOMPARE(p->CheckBoxAttr[i]->geometry(), QRect(0, 20 * i, 110, 20));
        QCOMPARE(p->ComboBoxAttr[i]->geometry(), QRect(110, 20 * i, 90, 20));
        QCOMPARE(p->ButtonAttr[i]->geometry(), QRect(200, 20 * i, 20, 20));
    }
    QVERIFY(!p->TagGroup->isEditable());
    QVERIFY(!p->TagBox->isEditable());
    QCOMPARE(p->TagGroup->currentText(), QString("Links"));
    QCOMPARE(p->TagBox->currentText(), QString("A"));
    QCOMPARE(p->focusWidget(), p->TagBox);
    p->close();
}

void TestTagInspector::rowsFollowTheTag() {
    TTagInsForm* p = open();
    // A: row 3 empty and disabled, row 4 filled; P and S buttons; a list for TARGET.
    QCOMPARE(p->CheckBoxAttr[0]->text(), QString("HREF"));
    QCOMPARE(p->ButtonAttr[0]->text(), QString("P"));
    QVERIFY(p->ButtonAttr[0]->isEnabled());
    QVERIFY(p->ComboBoxAttr[1]->hasList());
    QCOMPARE(p->ComboBoxAttr[1]->choices(), QStringList({"_blank", "_top"}));
    QCOMPARE(p->ComboBoxAttr[1]->text(), QString()); // nothing preselected
    QCOMPARE(p->ButtonAttr[2]->text(), QString("S"));
    QVERIFY(!p->CheckBoxAttr[3]->isEnabled());
    QVERIFY(!p->ComboBoxAttr[3]->isEnabled());
    QVERIFY(p->CheckBoxAttr[4]->isEnabled());
    QVERIFY(!p->ButtonAttr[4]->isEnabled());
    QVERIFY(p->RadioWrap->isChecked());
    // Values and ticks are not carried over to the next tag.
    p->CheckBoxAttr[0]->setChecked(true);
    p->ComboBoxAttr[0]->setText("x.html");
    p->RadioOption->setChecked(true);
    choose(p, "Links", "TD");
    QVERIFY(!p->CheckBoxAttr[0]->isChecked());
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString());
    QVERIFY(!p->ComboBoxAttr[0]->isEnabled()); // NOWRAP: no value
    QCOMPARE(p->ButtonAttr[2]->text(), QString("C"));
    QCOMPARE(p->ButtonAttr[3]->text(), QString("N"));
    QVERIFY(p->RadioWrap->isChecked()); // set again by the tag
    choose(p, "Links", "BR");
    QVERIFY(p->RadioAlone->isChecked());
    QVERIFY(!p->CheckBoxAttr[1]->isEnabled());
    choose(p, "Links", "X");
    QVERIFY(p->RadioWrap->isChecked());
    QCOMPARE(p->CheckBoxAttr[19]->text(), QString("k19"));
    // A group without tags: an empty tag list and twenty disabled rows.
    p->TagGroup->setCurrentIndex(1);
    QCOMPARE(p->TagBox->count(), 0);
    for (int i = 0; i < 20; ++i)
        QVERIFY(!p->CheckBoxAttr[i]->isEnabled());
    p->close();
}

void TestTagInspector::editsOfTheFileShowAtTheNextTagChange() {
    const QString path = f->Path("live.ini");
    QVERIFY(WriteFileBytes(path, "[GroupDef]\r\n0=G\r\n[@G]\r\n0=P\r\n1=Q\r\n[P]\r\n0=ID\r\n"));
    TTagInsForm* p = open(path);
    QCOMPARE(p->CheckBoxAttr[0]->text(), QString("ID"));
    QVERIFY(WriteFileBytes(path, "[GroupDef]\r\n0=G\r\n[@G]\r\n0=P\r\n1=Q\r\n[P]\r\n0=CLASS\r\n1=LANG\r\n"));
    choose(p, "G", "Q");
    choose(p, "G", "P");
    QCOMPARE(p->CheckBoxAttr[0]->text(), QString("CLASS"));
    QCOMPARE(p->CheckBoxAttr[1]->text(), QString("LANG"));
    // The file vanishing while the palette is open: rows go empty, no message.
    QFile::remove(path);
    choose(p, "G", "Q");
    QVERIFY(!p->CheckBoxAttr[0]->isEnabled());
    QVERIFY(f->ui.messages.isEmpty());
    p->close();
}

void TestTagInspector::typingTicksTheRow() {
    TTagInsForm* p = open();
    QTest::keyClicks(p->ComboBoxAttr[0]->editor(), "top.html");
    QVERIFY(p->CheckBoxAttr[0]->isChecked());
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString("top.html"));
    // Unticking excludes the attribute although the value stays.
    p->CheckBoxAttr[0]->setChecked(false);
    doc->Editor->setText("w");
    doc->Editor->SendScintilla(B::SCI_SETSEL, 0, 1);
    p->InsButtonClick();
    QCOMPARE(doc->Text(), QString("<A>w</A>"));
    p->close();
}

void TestTagInspector::colourButton() {
    TTagInsForm* p = open();
    choose(p, "Links", "TD");
    f->ui.AnswerColor(QColor(0, 0, 255));
    f->frame->UseSmall = true;
    p->ButtonAttr[2]->click();
    QCOMPARE(p->ComboBoxAttr[2]->text(), QString("#0000ff"));
    QVERIFY(p->CheckBoxAttr[2]->isChecked());
    QCOMPARE(f->ui.lastInitialColor, QColor(Qt::black));
    f->frame->UseSmall = false;
    f->ui.AnswerColor(QColor(0, 0, 255));
    p->ButtonAttr[2]->click();
    QCOMPARE(p->ComboBoxAttr[2]->text(), QString("#0000FF"));
    QCOMPARE(f->ui.lastInitialColor, QColor(0, 0, 255)); // starts from the last choice
    // Cancelling changes nothing.
    p->CheckBoxAttr[2]->setChecked(false);
    f->ui.AnswerCancel();
    p->ButtonAttr[2]->click();
    QCOMPARE(p->ComboBoxAttr[2]->text(), QString("#0000FF"));
    QVERIFY(!p->CheckBoxAttr[2]->isChecked());
    p->close();
}

void TestTagInspector::pathButton() {
    QVERIFY(QDir(f->dir.path()).mkpath("site/img"));
    QVERIFY(WriteFileBytes(f->Path("site/index.html"), "x"));
    QVERIFY(WriteFileBytes(f->Path("site/img/a.gif"), "GIF89a"));
    f->frame->CurrentFile = f->Path("site/index.html");
    TTagInsForm* p = open();
    f->ui.AnswerFile(f->Path("site/img/a.gif"), 1);
    p->ButtonAttr[0]->click();
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString("a.gif")); // bare name, though in another folder
    QCOMPARE(f->ui.fileRequests[0].filters, QStringList({"全てのファイル|*.*", "URLファイル（URLインポート）|*.url"}));
    p->CheckBoxRelativePath->setChecked(true);
    f->ui.AnswerFile(f->Path("site/img/a.gif"), 1);
    p->ButtonAttr[0]->click();
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString("img/a.gif"));
    // URL import through the second filter, with and without the key.
    QVERIFY(WriteFileBytes(f->Path("x.url"), "[InternetShortcut]\r\nURL=http://example.jp/\r\n"));
    f->ui.AnswerFile(f->Path("x.url"), 2);
    p->ButtonAttr[0]->click();
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString("http://example.jp/"));
    QVERIFY(WriteFileBytes(f->Path("nokey.url"), "[InternetShortcut]\r\n"));
    p->CheckBoxAttr[0]->setChecked(false);
    f->ui.AnswerFile(f->Path("nokey.url"), 2);
    p->ButtonAttr[0]->click();
    QCOMPARE(p->ComboBoxAttr[0]->text(), QString());
    QVERIFY(p->CheckBoxAttr[0]->isChecked());
    QCOMPARE(f->ui.fileRequests.last().filterIndex, 2); // the dialog keeps its last filter
    p->close();
}

void TestTagInspector::styleButton() {
    TTagInsForm* p = open();
    QFont arial("Arial", 12);
    arial.setBold(true);
    f->ui.AnswerFontChoice({arial, QColor(255, 0, 0)});
    p->ButtonAttr[2]->click();
    QCOMPARE(p->ComboBoxAttr[2]->text(), QString("font-size:12;font-weight:bold;color:#FF0000;font-family:Arial"));
    QCOMPARE(f->ui.lastInitialFont.font.family(), QString("ＭＳ Ｐゴシック"));
    QCOMPARE(f->ui.lastInitialFont.color, QColor(Qt::black));
    p->close();
}

void TestTagInspector::numberButton() {
    TTagInsForm* p = open();
    choose(p, "Links", "TD");
    f->ui.AnswerModal([](QDialog& dialog) {
        auto& pad = dynamic_cast<TForm10key&>(dialog);
        pad.Key("1")->click();
        pad.Key("0")->click();
        pad.Key("%")->click();
        return int(QDialog::Accepted);
    });
    p->ButtonAttr[3]->click();
    QCOMPARE(p->ComboBoxAttr[3]->text(), QString("10%"));
    QVERIFY(p->CheckBoxAttr[3]->isChecked());
    p->CheckBoxAttr[3]->setChecked(false);
    f->ui.AnswerModal([](QDialog& dialog) {
        dynamic_cast<TForm10key&>(dialog).Key("5")->click();
        return int(QDialog::Rejected);
    });
    p->ButtonAttr[3]->click();
    QCOMPARE(p->ComboBoxAttr[3]->text(), QString("10%")); // cancel keeps the value
    QVERIFY(!p->CheckBoxAttr[3]->isChecked());
    p->close();
}

void TestTagInspector::insertInThreeModes() {
    TTagInsForm* p = open();
    p->CheckBoxAttr[0]->setChecked(true);
    p->ComboBoxAttr[0]->setText("index.html");
    doc->Editor->setText("go top now");
    doc->Editor->SendScintilla(B::SCI_SETSEL, 3, 6);
    p->InsButtonClick();
    QCOMPARE(doc->Text(), QString("go <A HREF=\"index.html\">top</A> now"));
    QCOMPARE(f->frame->StatusPanels[2]->text(), QString("<A HREF=\"index.html\">*****</A>"));
    p->RadioAlone->setChecked(true);
    doc->Editor->SendScintilla(B::SCI_SETSEL, 0, 2);
    p->InsButtonClick();
    QCOMPARE(doc->Text(), QString("<A HREF=\"index.html\"> <A HREF=\"index.html\">top</A> now"));
    QCOMPARE(f->frame->TagRear, QString());
    p->RadioOption->setChecked(true);
    p->CheckBoxAttr[1]->setChecked(true);
    p->ComboBoxAttr[1]->setText("_blank");
    doc->Editor->setText("[]");
    doc->Editor->SendScintilla(B::SCI_SETSEL, 1, 1);
    p->InsButtonClick();
    QCOMPARE(doc->Text(), QString("[HREF=\"index.html\" TARGET=\"_blank\"]"));
    QCOMPARE(f->frame->TagFront, QString("<A HREF=\"index.html\">")); // the pair is left alone
    // Nothing ticked in option mode: the selection is replaced by nothing.
    p->CheckBoxAttr[0]->setChecked(false);
    p->CheckBoxAttr[1]->setChecked(false);
    doc->Editor->SendScintilla(B::SCI_SETSEL, 0, 1);
    p->InsButtonClick();
    QCOMPARE(doc->Text(), QString("HREF=\"index.html\" TARGET=\"_blank\"]"));
    // Without a document the pair is still stored.
    f->ui.AnswerButton(MsgResult::No);
    doc->close();
    p->RadioWrap->setChecked(true);
    choose(p, "Links", "B");
    p->InsButtonClick();
    QCOMPARE(f->frame->TagFront, QString("<B>"));
    QCOMPARE(f->frame->TagRear, QString("</B>"));
    p->close();
}

void TestTagInspector::emptyDefinitionFile() {
    QVERIFY(WriteFileBytes(f->Path("empty.ini"), ""));
    TTagInsForm* p = open(f->Path("empty.ini"));
    QCOMPARE(p->TagGroup->count(), 0);
    QCOMPARE(p->TagBox->count(), 0);
    doc->Editor->setText("s");
    doc->Editor->SendScintilla(B::SCI_SETSEL, 0, 1);
    p->InsButtonClick();
    QCOMPARE(f->frame->TagFront, QString("<>"));
    QCOMPARE(f->frame->TagRear, QString("</>"));
    QCOMPARE(doc->Text(), QString("<>s</>"));
    p->close();
}

void TestTagInspector::ownMnemonicsWin() {
    f->frame->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f->frame.get()));
    TTagInsForm* p = open();
    p->TagBox->setFocus();
    QVERIFY(p->RadioWrap->isChecked());
    // Alt+A is "単独(&A)" here, not the main menu's "HTML補助(&A)".
    QTest::keyClick(p->TagBox, Qt::Key_A, Qt::AltModifier);
    QVERIFY(p->RadioAlone->isChecked());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_G, Qt::AltModifier);
    QCOMPARE(QApplication::focusWidget(), p->TagGroup);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_R, Qt::AltModifier);
    QVERIFY(p->CheckBoxRelativePath->isChecked());
    doc->Editor->setText("x");
    doc->Editor->SendScintilla(B::SCI_SETSEL, 0, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_I, Qt::AltModifier); // 挿入(&I)
    QCOMPARE(doc->Text(), QString("<A>"));
    p->close();
}

void TestTagInspector::closeFreesThePalette() {
    TTagInsForm* p = open();
    QPointer<TTagInsForm> guard = p;
    p->close();
    QVERIFY(TagInsForm.isNull());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
    // The next switch makes a fresh palette with its initial state.
    TTagInsForm* again = open();
    QVERIFY(again->RadioWrap->isChecked());
    QCOMPARE(again->TagGroup->currentIndex(), 0);
    again->close();
}

// ------------------------------------------------------------- numeric pad

void TestTagInspector::numericPad() {
    TForm10key pad;
    QCOMPARE(pad.windowTitle(), QString("10キー"));
    QVERIFY(pad.EditTenkey->isReadOnly());
    QCOMPARE(pad.ButtonOK->text(), QString("&OK"));
    QCOMPARE(pad.ButtonCancel->text(), QString("&Cancel"));
    QVERIFY(!pad.ButtonOK->isDefault() && !pad.ButtonCancel->isDefault());
    const QList<QPair<QString, QPoint>> keys = {{"%", {24, 38}},  {"*", {54, 38}},  {"BS", {84, 38}},
                                                {"7", {24, 68}},  {"5", {54, 98}},  {"3", {84, 128}},
                                                {"0", {24, 158}}, {",", {54, 158}}, {".", {84, 158}}};
    for (const auto& [caption, at] : keys)
        QCOMPARE(pad.Key(caption)->geometry(), QRect(at, QSize(30, 30)));
    pad.ButtonBS->click();
    QCOMPARE(pad.EditTenkey->text(), QString()); // BS on nothing
    for (const char* k : {"1", ",", ",", "%", "*", "."})
        pad.Key(k)->click();
    QCOMPARE(pad.EditTenkey->text(), QString("1,,%*."));
    pad.ButtonBS->click();
    QCOMPARE(pad.EditTenkey->text(), QString("1,,%*"));
    // Escape does nothing; Enter presses the focused button.
    pad.show();
    QVERIFY(QTest::qWaitForWindowExposed(&pad));
    QTest::keyClick(&pad, Qt::Key_Escape);
    QVERIFY(pad.isVisible());
    pad.Key("9")->setFocus();
    QTest::keyClick(pad.Key("9"), Qt::Key_Return);
    QCOMPARE(pad.EditTenkey->text(), QString("1,,%*9"));
    pad.ButtonOK->setFocus();
    QTest::keyClick(pad.ButtonOK, Qt::Key_Return);
    QCOMPARE(pad.result(), int(QDialog::Accepted));
}

// ------------------------------------------------------------- vocabulary

void TestTagInspector::shippedVocabulary() {
    TagDefinitions defs(kShipped);
    const QStringList groups = defs.Groups();
    QVERIFY(groups.size() >= 10);
    QVERIFY(groups.contains("リンク"));
    QVERIFY(groups.contains("旧式の装飾"));
    int tags = 0;
    for (const QString& g : groups) {
        const QStringList list = defs.Tags(g);
        QVERIFY2(!list.isEmpty(), qPrintable(g));
        for (const QString& t : list) {
            ++tags;
            QVERIFY2(!defs.Tag(t).rows[0].name.isEmpty(), qPrintable(t)); // every tag has rows
        }
    }
    QVERIFY(tags >= 120);
    auto kindOf = [&](const QString& tag, const QString& attribute) {
        for (const AttributeRow& r : defs.Tag(tag).rows)
            if (r.name == attribute)
                return r.kind;
        return -99;
    };
    QCOMPARE(kindOf("a", "href"), int(KindPath));
    QCOMPARE(kindOf("img", "src"), int(KindPath));
    QCOMPARE(kindOf("form", "action"), int(KindPath));
    QCOMPARE(kindOf("body", "bgcolor"), int(KindColor));
    QCOMPARE(kindOf("font", "color"), int(KindColor));
    QCOMPARE(kindOf("td", "colspan"), int(KindNumber));
    QCOMPARE(kindOf("img", "width"), int(KindNumber));
    QCOMPARE(kindOf("div", "style"), int(KindStyle));
    QCOMPARE(kindOf("input", "checked"), int(KindBare));
    QCOMPARE(kindOf("input", "id"), int(KindPlain));
    QVERIFY(!defs.Tag("img").hasEndTag);
    QVERIFY(!defs.Tag("br").hasEndTag);
    QVERIFY(defs.Tag("p").hasEndTag);
    auto choicesOf = [&](const QString& tag, const QString& attribute) {
        for (const AttributeRow& r : defs.Tag(tag).rows)
            if (r.name == attribute)
                return r.choices;
        return QStringList();
    };
    QVERIFY(choicesOf("a", "target").contains("_blank"));
    QVERIFY(choicesOf("form", "method").contains("post"));
    QVERIFY(choicesOf("img", "loading").contains("lazy"));
    QVERIFY(choicesOf("input", "type").contains("checkbox"));
    QVERIFY(choicesOf("meta", "charset").contains("Shift_JIS"));
}

QTEST_MAIN(TestTagInspector)
#include "tst_taginspector.moc"
