// TTagInsForm: the tag inspector palette. It offers the groups, tags and
// attributes of the tag definition file; the user ticks attributes, fills
// their values (typed, chosen, or through a colour, file, font or numeric-pad
// dialog) and inserts the tag in one of three modes.
//
// Ownership: an MDI child of the main window that deletes itself on close;
// the global TagInsForm is a QPointer. The 20 attribute rows are children of
// the scroll box. TagIni lives as long as the palette.
#pragma once

#include "insert/Markup.h"
#include "palettes/PaletteForm.h"
#include "palettes/tagins/AttrValueBox.h"
#include "palettes/tagins/TagComposition.h"
#include "palettes/tagins/TagDefinitions.h"
#include "platform/Ui.h"

#include <QPointer>
#include <array>
#include <memory>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace larkspur {

class TFrameForm;

class TTagInsForm : public TPaletteForm {
public:
    static constexpr int kRows = TagDefinitions::kRows;
    // The left column is wider than the classic 134 pixels so that the
    // captions of the insertion modes fit in Japanese fonts of this desktop.
    static constexpr int kLeftWidth = 176;
    static constexpr int kClientWidth = kLeftWidth + 10 + 241 + 2;

    explicit TTagInsForm(TFrameForm& frame);
    ~TTagInsForm() override;

    // The palette switch: shows the open palette or creates one.
    static void Open(TFrameForm& frame);

    QLabel* Label2 = nullptr;
    QComboBox* TagGroup = nullptr;
    QLabel* Label3 = nullptr;
    QComboBox* TagBox = nullptr;
    QGroupBox* RadioGroup1 = nullptr;
    QRadioButton* RadioWrap = nullptr;   // "挟む(&S)"
    QRadioButton* RadioAlone = nullptr;  // "単独(&A)"
    QRadioButton* RadioOption = nullptr; // "&Option"
    QCheckBox* CheckBoxRelativePath = nullptr;
    QPushButton* InsButton = nullptr;
    QScrollArea* ScrollBox = nullptr;
    std::array<QCheckBox*, kRows> CheckBoxAttr{};
    std::array<TAttrValueBox*, kRows> ComboBoxAttr{};
    std::array<QPushButton*, kRows> ButtonAttr{};
    std::unique_ptr<TagDefinitions> TagIni;

    void TagGroupChange();
    void TagBoxChange();
    void ComboBoxAttrChange(int row);
    void ButtonAttrClick(int row);
    void InsButtonClick();

    InsertMode Mode() const;
    std::vector<AttributeState> Rows() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void setValue(int row, const QString& value);

    TFrameForm& frame_;
    std::array<QString, kRows> names_;
    // The dialogs start from their last result.
    QColor lastColor_ = Qt::black;
    FontChoice lastFont_;
    QString lastFolder_;
    int lastFilter_ = 1;
};

extern QPointer<TTagInsForm> TagInsForm;

} // namespace larkspur
