#include "documents/FindReplace.h"

#include "documents/EditForm.h"
#include "platform/Ui.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <Qsci/qsciscintilla.h>

namespace larkspur {

const QString kNotFoundMessage = QStringLiteral("見つかりませんでした。");
const QString kReplaceAllDoneMessage = QStringLiteral("置換が全て終了しました。");

namespace FindReplace {

using B = QsciScintillaBase;

static int flags(const SearchOptions& o) {
    return (o.wholeWord ? B::SCFIND_WHOLEWORD : 0) | (o.matchCase ? B::SCFIND_MATCHCASE : 0);
}

std::pair<long, long> Search(TEditForm& form, const SearchOptions& options, long from) {
    QsciScintilla* e = form.Editor;
    const QByteArray text = options.findText.toUtf8();
    if (text.isEmpty())
        return {-1, -1};
    e->SendScintilla(B::SCI_SETSEARCHFLAGS, flags(options));
    e->SendScintilla(B::SCI_SETTARGETRANGE, from, e->SendScintilla(B::SCI_GETLENGTH));
    long pos = e->SendScintilla(B::SCI_SEARCHINTARGET, uintptr_t(text.size()), text.constData());
    if (pos < 0)
        return {-1, -1};
    return {pos, e->SendScintilla(B::SCI_GETTARGETEND)};
}

bool FindNext(TEditForm& form, const SearchOptions& options) {
    QsciScintilla* e = form.Editor;
    auto [start, end] = Search(form, options, e->SendScintilla(B::SCI_GETSELECTIONEND));
    if (start < 0)
        return false;
    e->SendScintilla(B::SCI_SETSEL, start, end);
    e->SendScintilla(B::SCI_SCROLLCARET);
    return true;
}

bool ReplaceOnce(TEditForm& form, const SearchOptions& options) {
    QsciScintilla* e = form.Editor;
    auto [start, end] = Search(form, options, e->SendScintilla(B::SCI_GETSELECTIONSTART));
    if (start < 0)
        return false;
    long after = form.ReplaceRange(start, end, options.replaceText.toUtf8());
    e->SendScintilla(B::SCI_GOTOPOS, after);
    e->SendScintilla(B::SCI_SCROLLCARET);
    return true;
}

long ReplaceAll(TEditForm& form, const SearchOptions& options) {
    QsciScintilla* e = form.Editor;
    const QByteArray find = options.findText.toUtf8();
    const QByteArray replace = options.replaceText.toUtf8();
    if (find.isEmpty())
        return 0;
    // One walk over the document with the control's target search: selecting
    // and replacing each match instead would repaint and re-measure the
    // document every time.
    long from = e->SendScintilla(B::SCI_GETSELECTIONSTART);
    long count = 0;
    e->SendScintilla(B::SCI_SETSEARCHFLAGS, flags(options));
    e->SendScintilla(B::SCI_SETUNDOCOLLECTION, 0UL);
    while (true) {
        e->SendScintilla(B::SCI_SETTARGETRANGE, from, e->SendScintilla(B::SCI_GETLENGTH));
        if (e->SendScintilla(B::SCI_SEARCHINTARGET, uintptr_t(find.size()), find.constData()) < 0)
            break;
        e->SendScintilla(B::SCI_REPLACETARGET, uintptr_t(replace.size()), replace.constData());
        from = e->SendScintilla(B::SCI_GETTARGETEND);
        ++count;
    }
    e->SendScintilla(B::SCI_SETUNDOCOLLECTION, 1UL);
    if (count > 0) {
        form.UnrecordedEditDone();
        e->SendScintilla(B::SCI_GOTOPOS, from);
        e->SendScintilla(B::SCI_SCROLLCARET);
    }
    return count;
}

} // namespace FindReplace

TReplaceDialog::TReplaceDialog(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(QStringLiteral("置換"));
    setModal(false);
    auto* grid = new QGridLayout;
    auto* findLabel = new QLabel(QStringLiteral("検索する文字列(&N):"), this);
    auto* replaceLabel = new QLabel(QStringLiteral("置換後の文字列(&P):"), this);
    EditFind = new QLineEdit(this);
    EditReplace = new QLineEdit(this);
    for (QLineEdit* edit : {EditFind, EditReplace}) {
        edit->setMaxLength(kMaxTextLength);
        edit->setMinimumWidth(220);
    }
    findLabel->setBuddy(EditFind);
    replaceLabel->setBuddy(EditReplace);
    grid->addWidget(findLabel, 0, 0);
    grid->addWidget(EditFind, 0, 1);
    grid->addWidget(replaceLabel, 1, 0);
    grid->addWidget(EditReplace, 1, 1);
    CheckWholeWord = new QCheckBox(QStringLiteral("単語単位で探す(&W)"), this);
    CheckMatchCase = new QCheckBox(QStringLiteral("大文字と小文字を区別する(&C)"), this);
    grid->addWidget(CheckWholeWord, 2, 0, 1, 2);
    grid->addWidget(CheckMatchCase, 3, 0, 1, 2);

    auto* buttons = new QVBoxLayout;
    ButtonFind = new QPushButton(QStringLiteral("次を検索(&F)"), this);
    ButtonReplace = new QPushButton(QStringLiteral("置換(&R)"), this);
    ButtonReplaceAll = new QPushButton(QStringLiteral("すべて置換(&A)"), this);
    ButtonCancel = new QPushButton(QStringLiteral("キャンセル"), this);
    for (QPushButton* b : {ButtonFind, ButtonReplace, ButtonReplaceAll, ButtonCancel})
        buttons->addWidget(b);
    buttons->addStretch();
    ButtonFind->setDefault(true);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    connect(ButtonFind, &QPushButton::clicked, this, &TReplaceDialog::ReplaceDialogFind);
    connect(ButtonReplace, &QPushButton::clicked, this, [this] { ReplaceDialogReplace(false); });
    connect(ButtonReplaceAll, &QPushButton::clicked, this, [this] { ReplaceDialogReplace(true); });
    connect(ButtonCancel, &QPushButton::clicked, this, &QDialog::hide);
    connect(EditFind, &QLineEdit::textChanged, this, &TReplaceDialog::updateButtons);
    updateButtons();
    EditFind->setFocus();
}

void TReplaceDialog::updateButtons() {
    const bool any = !EditFind->text().isEmpty();
    ButtonFind->setEnabled(any);
    ButtonReplace->setEnabled(any);
    ButtonReplaceAll->setEnabled(any);
}

SearchOptions TReplaceDialog::Options() const {
    return {EditFind->text(), EditReplace->text(), CheckWholeWord->isChecked(), CheckMatchCase->isChecked()};
}

void TReplaceDialog::ReplaceDialogFind() {
    if (!EditForm)
        return;
    if (!FindReplace::FindNext(*EditForm, Options()))
        ui_.ShowMessage(this, kNotFoundMessage);
}

void TReplaceDialog::ReplaceDialogReplace(bool all) {
    if (!EditForm)
        return;
    if (all) {
        FindReplace::ReplaceAll(*EditForm, Options());
        ui_.ShowMessage(this, kReplaceAllDoneMessage);
    } else if (!FindReplace::ReplaceOnce(*EditForm, Options())) {
        ui_.ShowMessage(this, kNotFoundMessage);
    }
}

} // namespace larkspur
