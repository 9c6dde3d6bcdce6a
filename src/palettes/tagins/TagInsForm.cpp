#include "palettes/tagins/TagInsForm.h"

#include "app/FrameForm.h"
#include "app/PaletteSwitches.h"
#include "insert/LinkPath.h"
#include "palettes/tagins/Form10key.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>

namespace larkspur {

QPointer<TTagInsForm> TagInsForm;

void TTagInsForm::Open(TFrameForm& frame) {
    ShowPalette<TTagInsForm>(TagInsForm, *frame.MdiArea, [&frame] { return new TTagInsForm(frame); });
}

TTagInsForm::TTagInsForm(TFrameForm& frame)
    : TPaletteForm(QStringLiteral("タグインスペクタ"), QStringLiteral("ParetteTag"), QSize(kClientWidth, 176)),
      frame_(frame), lastFont_{QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9), QColor(Qt::black)} {
    setObjectName(QStringLiteral("TagInsForm"));
    QWidget* c = Client();
    Label2 = new QLabel(QStringLiteral("グループ(&G)"), c);
    Label2->setGeometry(6, 4, kLeftWidth, 16);
    TagGroup = new QComboBox(c);
    TagGroup->setObjectName(QStringLiteral("TagGroup"));
    TagGroup->setGeometry(6, 20, kLeftWidth, 22);
    Label2->setBuddy(TagGroup);
    Label3 = new QLabel(QStringLiteral("&HTMLタグ"), c);
    Label3->setGeometry(6, 44, kLeftWidth, 16);
    TagBox = new QComboBox(c);
    TagBox->setObjectName(QStringLiteral("TagBox"));
    TagBox->setGeometry(6, 60, kLeftWidth, 22);
    TagBox->setMaxVisibleItems(20);
    Label3->setBuddy(TagBox);

    RadioGroup1 = new QGroupBox(QStringLiteral("挿入モード"), c);
    RadioGroup1->setGeometry(6, 86, kLeftWidth, 58);
    auto* grid = new QGridLayout(RadioGroup1);
    grid->setContentsMargins(6, 2, 4, 2);
    grid->setSpacing(2);
    RadioWrap = new QRadioButton(QStringLiteral("挟む(&S)"), RadioGroup1);
    RadioAlone = new QRadioButton(QStringLiteral("単独(&A)"), RadioGroup1);
    RadioOption = new QRadioButton(QStringLiteral("&Option"), RadioGroup1);
    CheckBoxRelativePath = new QCheckBox(QStringLiteral("相対(&R)"), RadioGroup1);
    CheckBoxRelativePath->setObjectName(QStringLiteral("CheckBoxRelativePath"));
    grid->addWidget(RadioWrap, 0, 0);
    grid->addWidget(RadioAlone, 1, 0);
    grid->addWidget(RadioOption, 0, 1);
    grid->addWidget(CheckBoxRelativePath, 1, 1);
    RadioWrap->setChecked(true);

    InsButton = new QPushButton(QStringLiteral("挿入(&I)"), c);
    InsButton->setObjectName(QStringLiteral("InsButton"));
    InsButton->setGeometry(6, 148, kLeftWidth, 24);

    ScrollBox = new QScrollArea(c);
    ScrollBox->setObjectName(QStringLiteral("ScrollBox"));
    ScrollBox->setGeometry(kLeftWidth + 10, 4, 241, 169);
    ScrollBox->setBackgroundRole(QPalette::Base);
    ScrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ScrollBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    auto* rows = new QWidget;
    rows->setFixedSize(220, 20 * kRows);
    for (int i = 0; i < kRows; ++i) {
        const int top = 20 * i;
        CheckBoxAttr[i] = new QCheckBox(rows);
        CheckBoxAttr[i]->setGeometry(0, top, 110, 20);
        ComboBoxAttr[i] = new TAttrValueBox(rows);
        ComboBoxAttr[i]->setGeometry(110, top, 90, 20);
        ComboBoxAttr[i]->setProperty("Tag", i);
        ComboBoxAttr[i]->setOnUserChange([this, i] { ComboBoxAttrChange(i); });
        ButtonAttr[i] = new QPushButton(rows);
        ButtonAttr[i]->setGeometry(200, top, 20, 20);
        ButtonAttr[i]->setProperty("Tag", i);
        ButtonAttr[i]->setAutoDefault(false);
        connect(ButtonAttr[i], &QPushButton::clicked, this, [this, i] { ButtonAttrClick(i); });
    }
    ScrollBox->setWidget(rows);

    connect(TagGroup, &QComboBox::currentIndexChanged, this, &TTagInsForm::TagGroupChange);
    connect(TagBox, &QComboBox::currentIndexChanged, this, &TTagInsForm::TagBoxChange);
    connect(InsButton, &QPushButton::clicked, this, &TTagInsForm::InsButtonClick);
    setTabOrder(TagGroup, TagBox);
    FormCreate();
    TagBox->setFocus();
}

TTagInsForm::~TTagInsForm() = default;

void TTagInsForm::FormCreate() {
    TagIni = std::make_unique<TagDefinitions>(frame_.InsPath);
    const QSignalBlocker block(TagGroup);
    TagGroup->clear();
    TagGroup->addItems(TagIni->Groups());
    TagGroup->setCurrentIndex(TagGroup->count() > 0 ? 0 : -1);
    TagGroupChange();
}

void TTagInsForm::TagGroupChange() {
    const QSignalBlocker block(TagBox);
    TagBox->clear();
    if (TagGroup->currentIndex() >= 0)
        TagBox->addItems(TagIni->Tags(TagGroup->currentText()));
    TagBox->setCurrentIndex(TagBox->count() > 0 ? 0 : -1);
    TagBoxChange();
}

void TTagInsForm::TagBoxChange() {
    const QString tag = TagBox->currentIndex() >= 0 ? TagBox->currentText() : QString();
    const TagDefinition def = TagIni->Tag(tag);
    (def.hasEndTag ? RadioWrap : RadioAlone)->setChecked(true);
    for (int i = 0; i < kRows; ++i) {
        const AttributeRow& row = def.rows[i];
        names_[i] = row.name;
        CheckBoxAttr[i]->setText(QString(row.name).replace(u'&', QStringLiteral("&&")));
        CheckBoxAttr[i]->setChecked(false);
        ComboBoxAttr[i]->setChoices({});
        ButtonAttr[i]->setText(QString());
        ButtonAttr[i]->setEnabled(false);
        const bool used = !row.name.isEmpty();
        CheckBoxAttr[i]->setEnabled(used);
        ComboBoxAttr[i]->setEnabled(used);
        if (!used)
            continue;
        ComboBoxAttr[i]->setChoices(row.choices);
        if (row.kind == KindBare)
            ComboBoxAttr[i]->setEnabled(false);
        const QString caption = TagDefinitions::ButtonCaption(row.kind);
        ButtonAttr[i]->setText(caption);
        ButtonAttr[i]->setEnabled(!caption.isEmpty());
    }
    ScrollBox->ensureVisible(0, 0);
}

void TTagInsForm::ComboBoxAttrChange(int row) { CheckBoxAttr[row]->setChecked(true); }

void TTagInsForm::setValue(int row, const QString& value) {
    ComboBoxAttr[row]->setText(value);
    CheckBoxAttr[row]->setChecked(true);
}

void TTagInsForm::ButtonAttrClick(int row) {
    Ui& ui = frame_.GetUi();
    const QString action = ButtonAttr[row]->text();
    if (action == u"C") {
        auto color = ui.ColorDialog(this, lastColor_);
        if (!color)
            return;
        lastColor_ = *color;
        setValue(row, HtmlColor(*color, frame_.UseSmall));
    } else if (action == u"P") {
        FileDialogRequest request;
        request.filters = {QStringLiteral("全てのファイル|*.*"), QStringLiteral("URLファイル（URLインポート）|*.url")};
        request.filterIndex = lastFilter_;
        request.initialDir = lastFolder_;
        auto chosen = ui.OpenFileDialog(this, request);
        if (!chosen)
            return;
        lastFilter_ = chosen->filterIndex;
        lastFolder_ = ExtractFilePath(chosen->fileName);
        if (chosen->filterIndex == 2) {
            IniFile shortcut(chosen->fileName);
            setValue(row, shortcut.ReadString(QStringLiteral("InternetShortcut"), QStringLiteral("URL"), QString()));
        } else if (CheckBoxRelativePath->isChecked()) {
            setValue(row, MakeLinkPath(frame_.CurrentFile, chosen->fileName));
        } else {
            setValue(row, ExtractFileName(chosen->fileName));
        }
    } else if (action == u"S") {
        auto font = ui.FontEffectsDialog(this, lastFont_);
        if (!font)
            return;
        lastFont_ = *font;
        setValue(row, CssFontDeclarations(font->font, font->color, frame_.UseSmall));
    } else if (action == u"N") {
        TForm10key pad(this);
        if (ui.ExecModal(pad) == QDialog::Accepted)
            setValue(row, pad.EditTenkey->text());
    }
}

InsertMode TTagInsForm::Mode() const {
    if (RadioAlone->isChecked())
        return InsertMode::Alone;
    if (RadioOption->isChecked())
        return InsertMode::Option;
    return InsertMode::Wrap;
}

std::vector<AttributeState> TTagInsForm::Rows() const {
    std::vector<AttributeState> rows;
    for (int i = 0; i < kRows; ++i)
        rows.push_back(
            {names_[i], CheckBoxAttr[i]->isChecked(), ComboBoxAttr[i]->isEnabled(), ComboBoxAttr[i]->text()});
    return rows;
}

void TTagInsForm::InsButtonClick() {
    const QString tag = TagBox->currentIndex() >= 0 ? TagBox->currentText() : QString();
    const TagInsertion insertion = ComposeTag(tag, Rows(), Mode());
    if (insertion.setsPair) {
        frame_.SetTagPair(insertion.front, insertion.rear);
        frame_.WrapSelection();
    } else {
        frame_.InsertText(insertion.text);
    }
}

void TTagInsForm::closeEvent(QCloseEvent* event) {
    TagIni.reset();
    TagInsForm = nullptr;
    TPaletteForm::closeEvent(event);
}

} // namespace larkspur
