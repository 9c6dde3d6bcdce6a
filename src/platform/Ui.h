// Every message box, notice, input box and common dialog goes through Ui, so
// that logic never opens a window itself and tests can answer prompts from a
// script (tests/support/ScriptedUi.h).
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;
class QDialog;
class QPrinter;

namespace larkspur {

enum class MsgIcon { None, Information, Exclamation, Stop, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

// A file dialog. Filters are given as "description|pattern;pattern", the
// index of the chosen filter counts from 1.
struct FileDialogRequest {
    QString title;
    QStringList filters;
    int filterIndex = 1;
    QString initialDir;
    QString fileName;
};

// A font with its colour, as the font dialog with effects chooses them.
struct FontChoice {
    QFont font;
    QColor color;
};

struct FileDialogResult {
    QString fileName;
    int filterIndex = 1;
};

class Ui {
public:
    virtual ~Ui() = default;

    virtual MsgResult MessageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    // A plain notice titled with the application title, no icon, OK only.
    virtual void ShowMessage(QWidget* owner, const QString& text) = 0;
    virtual std::optional<QString> InputBox(QWidget* owner, const QString& title, const QString& prompt,
                                            const QString& value) = 0;
    virtual std::optional<FileDialogResult> OpenFileDialog(QWidget* owner, const FileDialogRequest& request) = 0;
    // `canClose` is asked about the chosen name and filter; false keeps the
    // dialog open for another name.
    virtual std::optional<FileDialogResult>
    SaveFileDialog(QWidget* owner, const FileDialogRequest& request,
                   const std::function<bool(const FileDialogResult&)>& canClose) = 0;
    virtual std::optional<QColor> ColorDialog(QWidget* owner, const QColor& initial) = 0;
    virtual std::optional<QFont> FontDialog(QWidget* owner, const QFont& initial) = 0;
    // The font dialog with a colour and the underline and strike-out effects.
    virtual std::optional<FontChoice> FontEffectsDialog(QWidget* owner, const FontChoice& initial) = 0;
    virtual std::optional<QString> FolderDialog(QWidget* owner, const QString& title, const QString& initial) = 0;
    // Shows the print dialog for `printer`; false when cancelled.
    virtual bool PrintDialog(QWidget* owner, QPrinter& printer) = 0;
    // Runs a modal form; returns its result code.
    virtual int ExecModal(QDialog& dialog) = 0;
};

// Qt's dialogs, with Japanese button texts.
class QtUi : public Ui {
public:
    MsgResult MessageBox(QWidget* owner, const QString& text, const QString& title, MsgIcon icon,
                         MsgButtons buttons) override;
    void ShowMessage(QWidget* owner, const QString& text) override;
    std::optional<QString> InputBox(QWidget* owner, const QString& title, const QString& prompt,
                                    const QString& value) override;
    std::optional<FileDialogResult> OpenFileDialog(QWidget* owner, const FileDialogRequest& request) override;
    std::optional<FileDialogResult>
    SaveFileDialog(QWidget* owner, const FileDialogRequest& request,
                   const std::function<bool(const FileDialogResult&)>& canClose) override;
    std::optional<QColor> ColorDialog(QWidget* owner, const QColor& initial) override;
    std::optional<QFont> FontDialog(QWidget* owner, const QFont& initial) override;
    std::optional<FontChoice> FontEffectsDialog(QWidget* owner, const FontChoice& initial) override;
    std::optional<QString> FolderDialog(QWidget* owner, const QString& title, const QString& initial) override;
    bool PrintDialog(QWidget* owner, QPrinter& printer) override;
    int ExecModal(QDialog& dialog) override;
};

// "HTML ファイル|*.html;*.htm" → "HTML ファイル (*.html *.htm)"
QString QtFilterFromVcl(const QString& filter);

} // namespace larkspur
