// TEditForm: the document window, an MDI child holding one editor control.
// The window's caption is its file's full name ("noname" until saved).
//
// Ownership: the window deletes itself when closed (WA_DeleteOnClose); the
// global EditForm is a QPointer and so is null once it is gone.
#pragma once

#include "platform/TextCodec.h"

#include <QMdiSubWindow>
#include <QPointer>

class QsciScintilla;

namespace larkspur {

class DocumentHost;

class TEditForm : public QMdiSubWindow {
public:
    static const QString kNoname; // "noname"

    explicit TEditForm(DocumentHost& host, QWidget* parent = nullptr);

    QsciScintilla* Editor = nullptr;
    bool InsertMode = true;

    // Loads the file; throws AppError ("ファイル %s は開けません").
    void LoadFile(const QString& path);
    // Saves under `name`, or runs Save As for "noname"; throws AppError
    // ("ファイル %s を作成できません") when the file cannot be written.
    void SaveFile(const QString& name);

    bool FormCloseQuery();
    void FormActivate();
    void ShowInsertMode();
    void ShowCaretPos();

    // The document's modified flag: the control's own flag, or an edit made
    // without undo (see ReplaceSelection). Cleared only by a successful save.
    bool Modified() const;
    // Replaces the selection with `text` without recording it for undo; the
    // caret ends after the text with nothing selected.
    void ReplaceSelection(const QString& text);
    // Replaces the bytes [start, end) of the editor's UTF-8 text the same way
    // (no undo); returns the position right after the new text.
    long ReplaceRange(long start, long end, const QByteArray& utf8);
    // After edits made with undo collection off: the undo history no longer
    // matches the text, so it is dropped, and the document counts as changed.
    void UnrecordedEditDone();
    QString SelectedText() const;
    QString Text() const;

    TextEncoding Encoding() const { return encoding_; }

    // Closes without asking (the main window has already asked).
    void CloseWithoutQuery();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormClose();
    void setupEditor();
    long send(unsigned int msg, unsigned long wParam = 0, long lParam = 0) const;

    DocumentHost& host_;
    bool unrecordedEdit_ = false;
    bool closeConfirmed_ = false;
    TextEncoding encoding_ = TextEncoding::Utf8;
    bool bom_ = false;
    bool escapes_ = false;
    Cp932Origins origins_;
};

// The document window that commands and palettes act on (null after any
// document window closes, until a document is activated again).
extern QPointer<TEditForm> EditForm;

} // namespace larkspur
