// The File and Edit commands of the main window, acting on the document in
// EditForm (never on the active MDI child as such, which may be a palette).
//
// Owned by TFrameForm; holds references to it and to its Ui.
#pragma once

#include "platform/Ui.h"

#include <QString>
#include <functional>

class QWidget;

namespace larkspur {

class TFrameForm;
class TEditForm;

class DocumentCommands {
public:
    DocumentCommands(TFrameForm& frame, Ui& ui);

    void FileNew1Execute();
    // New from the template: runs the template wizard, which the wizard's
    // own module installs; until then the command stays disabled.
    using TemplateWizard = std::function<void(TFrameForm&)>;
    static void SetTemplateWizard(TemplateWizard wizard);
    void FileNewTemplete1Execute();
    bool FileNewTemplete1Update() const;
    void FileOpen1Execute();
    void FileSave1Execute();
    void FileSaveAs1Execute();
    // Save As for `form`; false when the dialog was cancelled.
    bool SaveAs(TEditForm& form);
    bool SaveDialogCanClose(const FileDialogResult& chosen);
    void FileClose1Execute();
    void FileSaveClose1Execute();
    void FilePrint1Execute();
    void EditUndoExecute();
    void EditSelectAllExecute();
    void EditDeleteSelected1Execute();
    void FileInsertFile1Execute();

    // The standard edit actions: they act on the focused edit control (a
    // document's editor or a palette's edit box) and enable themselves from
    // its selection and the clipboard.
    static void EditCut1Execute();
    static void EditCopy1Execute();
    static void EditPaste1Execute();
    static bool EditCut1Update();
    static bool EditCopy1Update();
    static bool EditPaste1Update();

    // The file name a document is printed under and the title of the job.
    static QString PrintJobTitle(const TEditForm& form);

private:
    FileDialogRequest openRequest() const;

    TFrameForm& frame_;
    Ui& ui_;
};

} // namespace larkspur
