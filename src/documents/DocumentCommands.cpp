#include "documents/DocumentCommands.h"

#include "app/FrameForm.h"
#include "documents/EditForm.h"
#include "documents/FileRules.h"
#include "platform/AppError.h"
#include "platform/Paths.h"
#include "platform/TextCodec.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <Qsci/qsciprinter.h>
#include <Qsci/qsciscintilla.h>

namespace larkspur {

DocumentCommands::DocumentCommands(TFrameForm& frame, Ui& ui) : frame_(frame), ui_(ui) {}

FileDialogRequest DocumentCommands::openRequest() const {
    FileDialogRequest request;
    request.filters = OpenDialogFilters();
    request.filterIndex = 1;
    request.initialDir = frame_.OpenDialogFolder;
    return request;
}

void DocumentCommands::FileNew1Execute() { frame_.NewEditForm(); }

namespace {
DocumentCommands::TemplateWizard& templateWizard() {
    static DocumentCommands::TemplateWizard wizard;
    return wizard;
}
} // namespace

void DocumentCommands::SetTemplateWizard(TemplateWizard wizard) { templateWizard() = std::move(wizard); }

void DocumentCommands::FileNewTemplete1Execute() {
    if (templateWizard())
        templateWizard()(frame_);
}

bool DocumentCommands::FileNewTemplete1Update() const { return templateWizard() && FileExists(frame_.TempletePath); }

void DocumentCommands::FileOpen1Execute() {
    auto chosen = ui_.OpenFileDialog(&frame_, openRequest());
    if (!chosen)
        return;
    const QString name = chosen->fileName;
    for (QMdiSubWindow* child : frame_.Children()) {
        if (child->windowTitle() == name) {
            ui_.MessageBox(&frame_, name + QStringLiteral("は既に開かれています"), QStringLiteral("Larkspur"),
                           MsgIcon::Exclamation, MsgButtons::Ok);
            return;
        }
    }
    TEditForm* form = frame_.NewEditForm();
    form->LoadFile(name);
    frame_.OpenDialogFolder = FolderOfFile(name);
}

void DocumentCommands::FileSave1Execute() {
    if (EditForm)
        EditForm->SaveFile(EditForm->windowTitle());
}

void DocumentCommands::FileSaveAs1Execute() {
    if (EditForm)
        SaveAs(*EditForm);
}

bool DocumentCommands::SaveDialogCanClose(const FileDialogResult& chosen) {
    const QString name = ApplyExtensionRule(chosen.fileName, chosen.filterIndex, frame_.ExtHtml, frame_.ExtHtm);
    if (!FileExists(name))
        return true;
    return ui_.MessageBox(&frame_, OverwriteQuestion(name), QStringLiteral("名前を付けて保存"), MsgIcon::Exclamation,
                          MsgButtons::YesNo) == MsgResult::Yes;
}

bool DocumentCommands::SaveAs(TEditForm& form) {
    const QString caption = form.windowTitle();
    FileDialogRequest request;
    request.filters = SaveDialogFilters();
    request.filterIndex = 1;
    request.initialDir = caption == TEditForm::kNoname ? QString() : ExtractFilePath(caption);
    request.fileName = ExtractFileName(caption);
    auto chosen =
        ui_.SaveFileDialog(&form, request, [this](const FileDialogResult& c) { return SaveDialogCanClose(c); });
    if (!chosen)
        return false;
    form.SaveFile(ApplyExtensionRule(chosen->fileName, chosen->filterIndex, frame_.ExtHtml, frame_.ExtHtm));
    return true;
}

void DocumentCommands::FileClose1Execute() {
    if (EditForm)
        EditForm->close();
}

void DocumentCommands::FileSaveClose1Execute() {
    if (!EditForm)
        return;
    QPointer<TEditForm> form = EditForm;
    form->SaveFile(form->windowTitle());
    if (form && !form->Modified())
        form->close();
}

QString DocumentCommands::PrintJobTitle(const TEditForm& form) { return form.windowTitle(); }

void DocumentCommands::FilePrint1Execute() {
    if (!EditForm)
        return;
    QPointer<TEditForm> form = EditForm;
    QsciPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintJobTitle(*form));
    if (!ui_.PrintDialog(&frame_, printer) || !form)
        return;
    if (!printer.printRange(form->Editor) || printer.printerState() == QPrinter::Error)
        throw AppError(QStringLiteral("%1 を印刷できません").arg(PrintJobTitle(*form)));
}

void DocumentCommands::EditUndoExecute() {
    if (EditForm)
        EditForm->Editor->undo();
}

void DocumentCommands::EditSelectAllExecute() {
    if (EditForm)
        EditForm->Editor->selectAll(true);
}

void DocumentCommands::EditDeleteSelected1Execute() {
    if (EditForm)
        EditForm->Editor->removeSelectedText();
}

void DocumentCommands::FileInsertFile1Execute() {
    if (!EditForm)
        return;
    QPointer<TEditForm> form = EditForm;
    auto chosen = ui_.OpenFileDialog(&frame_, openRequest());
    if (!chosen || !FileExists(chosen->fileName) || !form)
        return;
    QFile file(chosen->fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("ファイル %1 は開けません").arg(chosen->fileName));
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(QStringLiteral("ファイル %1 は開けません").arg(chosen->fileName));
    // Only text up to a NUL counts; bytes that are no character would turn
    // into garbage in the document, so such a file is refused.
    qsizetype nul = bytes.indexOf('\0');
    if (nul >= 0)
        bytes.truncate(nul);
    DecodedText decoded = TextCodec::decodeDocument(std::move(bytes));
    if (decoded.unmappedBytes > 0)
        throw AppError(
            QStringLiteral("ファイル %1 はテキストファイルではないため挿入できません").arg(chosen->fileName));
    form->ReplaceSelection(InsertFileText(QString::fromUtf8(decoded.utf8)));
}

// ------------------------------------------------------ standard edit actions

namespace {
QWidget* focusedEdit() {
    QWidget* w = QApplication::focusWidget();
    if (!w)
        return nullptr;
    if (auto* sci = qobject_cast<QsciScintilla*>(w))
        return sci;
    if (w->parentWidget() && qobject_cast<QsciScintilla*>(w->parentWidget()))
        return w->parentWidget(); // the viewport
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QTextEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
        return w;
    return nullptr;
}

bool hasSelection(QWidget* w) {
    if (auto* sci = qobject_cast<QsciScintilla*>(w))
        return sci->hasSelectedText();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->hasSelectedText();
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return text->textCursor().hasSelection();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return plain->textCursor().hasSelection();
    return false;
}

bool isReadOnly(QWidget* w) {
    if (auto* sci = qobject_cast<QsciScintilla*>(w))
        return sci->isReadOnly();
    if (auto* line = qobject_cast<QLineEdit*>(w))
        return line->isReadOnly();
    if (auto* text = qobject_cast<QTextEdit*>(w))
        return text->isReadOnly();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        return plain->isReadOnly();
    return true;
}

template <class F> void onEdit(F&& run) {
    QWidget* w = focusedEdit();
    if (auto* sci = qobject_cast<QsciScintilla*>(w))
        run(sci);
    else if (auto* line = qobject_cast<QLineEdit*>(w))
        run(line);
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        run(text);
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        run(plain);
}
} // namespace

void DocumentCommands::EditCut1Execute() {
    onEdit([](auto* edit) { edit->cut(); });
}
void DocumentCommands::EditCopy1Execute() {
    onEdit([](auto* edit) { edit->copy(); });
}
void DocumentCommands::EditPaste1Execute() {
    onEdit([](auto* edit) { edit->paste(); });
}

bool DocumentCommands::EditCut1Update() {
    QWidget* w = focusedEdit();
    return w && hasSelection(w) && !isReadOnly(w);
}

bool DocumentCommands::EditCopy1Update() {
    QWidget* w = focusedEdit();
    return w && hasSelection(w);
}

namespace {
// Whether the clipboard holds text, asked again only when it changes: update
// handlers run at every idle moment, and asking the clipboard of another
// program can mean a round trip to the display server.
bool clipboardHasText() {
    static bool hasText = [] {
        QClipboard* clipboard = QApplication::clipboard();
        QObject::connect(clipboard, &QClipboard::dataChanged, clipboard, [clipboard] {
            const QMimeData* data = clipboard->mimeData();
            hasText = data && data->hasText();
        });
        const QMimeData* data = clipboard->mimeData();
        return data && data->hasText();
    }();
    return hasText;
}
} // namespace

bool DocumentCommands::EditPaste1Update() {
    QWidget* w = focusedEdit();
    return w && !isReadOnly(w) && clipboardHasText();
}

} // namespace larkspur
