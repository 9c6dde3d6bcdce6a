// Find and replace in a document, and the one modeless dialog that drives it.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace larkspur {

class TEditForm;
class Ui;

struct SearchOptions {
    QString findText;
    QString replaceText;
    bool wholeWord = false;
    bool matchCase = false;
};

namespace FindReplace {
// Searches forward from byte position `from` to the end of the text (never
// wrapping round). Returns the match as [start, end) or start -1.
std::pair<long, long> Search(TEditForm& form, const SearchOptions& options, long from);
// Selects the next match after the current selection; false when none.
bool FindNext(TEditForm& form, const SearchOptions& options);
// Replaces the first match from the start of the selection; false when none.
bool ReplaceOnce(TEditForm& form, const SearchOptions& options);
// Replaces every match from the start of the selection to the end; each
// search starts after the text just inserted. Returns the number replaced.
long ReplaceAll(TEditForm& form, const SearchOptions& options);
} // namespace FindReplace

extern const QString kNotFoundMessage;       // "見つかりませんでした。"
extern const QString kReplaceAllDoneMessage; // "置換が全て終了しました。"

// The find-and-replace dialog: search down only, whole-word and match-case
// boxes. It acts on EditForm at the moment of each click.
class TReplaceDialog : public QDialog {
public:
    static constexpr int kMaxTextLength = 255;

    TReplaceDialog(Ui& ui, QWidget* parent);

    QLineEdit* EditFind = nullptr;
    QLineEdit* EditReplace = nullptr;
    QCheckBox* CheckWholeWord = nullptr;
    QCheckBox* CheckMatchCase = nullptr;
    QPushButton* ButtonFind = nullptr;
    QPushButton* ButtonReplace = nullptr;
    QPushButton* ButtonReplaceAll = nullptr;
    QPushButton* ButtonCancel = nullptr;

    SearchOptions Options() const;
    void ReplaceDialogFind();
    void ReplaceDialogReplace(bool all);

private:
    void updateButtons();
    Ui& ui_;
};

} // namespace larkspur
