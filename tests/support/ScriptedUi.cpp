#include "support/ScriptedUi.h"

#include <QDialog>

namespace larkspur {

void ScriptedUi::AnswerButton(MsgResult r) { answers.emplace_back(std::in_place_type<MsgResult>, r); }
void ScriptedUi::AnswerFile(const QString& name, int filterIndex) {
    answers.emplace_back(std::in_place_type<FileAnswer>, FileAnswer{name, filterIndex});
}
void ScriptedUi::AnswerCancel() { answers.emplace_back(std::in_place_type<Cancel>); }
void ScriptedUi::AnswerPrint(PrintAnswer configure) {
    answers.emplace_back(std::in_place_type<PrintAnswer>, std::move(configure));
}
void ScriptedUi::AnswerModal(ModalAnswer run) { answers.emplace_back(std::in_place_type<ModalAnswer>, std::move(run)); }

void ScriptedUi::AnswerColor(const QColor& color) { answers.emplace_back(std::in_place_type<QColor>, color); }
void ScriptedUi::AnswerFont(const QFont& font) { answers.emplace_back(std::in_place_type<QFont>, font); }
void ScriptedUi::AnswerFontChoice(const FontChoice& choice) {
    answers.emplace_back(std::in_place_type<FontChoice>, choice);
}

QStringList ScriptedUi::Texts() const {
    QStringList t;
    for (const Message& m : messages)
        t << m.text;
    return t;
}

// Takes the next answer if it is a T; a Cancel answer or a missing or
// mismatched one gives null (a mismatch is recorded as unexpected).
template <class T> const T* ScriptedUi::next(const char* what) {
    if (answers.empty()) {
        unexpected << QString::fromLatin1(what);
        return nullptr;
    }
    current_ = std::move(answers.front());
    answers.pop_front();
    if (std::holds_alternative<Cancel>(*current_))
        return nullptr;
    if (const T* value = std::get_if<T>(&*current_))
        return value;
    unexpected << QStringLiteral("%1 (queued answer of another kind)").arg(QString::fromLatin1(what));
    return nullptr;
}

MsgResult ScriptedUi::MessageBox(QWidget*, const QString& text, const QString& title, MsgIcon icon,
                                 MsgButtons buttons) {
    messages << Message{text, title, icon, buttons};
    if (buttons == MsgButtons::Ok)
        return MsgResult::Ok;
    const MsgResult* r = next<MsgResult>("message box");
    return r ? *r : MsgResult::Cancel;
}

void ScriptedUi::ShowMessage(QWidget*, const QString& text) {
    messages << Message{text, QStringLiteral("Larkspur"), MsgIcon::None, MsgButtons::Ok};
}

std::optional<QString> ScriptedUi::InputBox(QWidget*, const QString&, const QString&, const QString&) {
    const QString* s = next<QString>("input box");
    return s ? std::optional<QString>(*s) : std::nullopt;
}

std::optional<FileDialogResult> ScriptedUi::OpenFileDialog(QWidget*, const FileDialogRequest& request) {
    fileRequests << request;
    const FileAnswer* a = next<FileAnswer>("open dialog");
    if (!a || a->fileName.isEmpty())
        return std::nullopt;
    return FileDialogResult{a->fileName, a->filterIndex};
}

std::optional<FileDialogResult>
ScriptedUi::SaveFileDialog(QWidget*, const FileDialogRequest& request,
                           const std::function<bool(const FileDialogResult&)>& canClose) {
    fileRequests << request;
    // Like the real dialog: a name that may not close it is followed by the
    // next queued answer.
    while (true) {
        const FileAnswer* a = next<FileAnswer>("save dialog");
        if (!a || a->fileName.isEmpty())
            return std::nullopt;
        FileDialogResult chosen{a->fileName, a->filterIndex};
        if (!canClose || canClose(chosen))
            return chosen;
    }
}

std::optional<QColor> ScriptedUi::ColorDialog(QWidget*, const QColor& initial) {
    lastInitialColor = initial;
    const QColor* c = next<QColor>("colour dialog");
    return c ? std::optional<QColor>(*c) : std::nullopt;
}

std::optional<QFont> ScriptedUi::FontDialog(QWidget*, const QFont&) {
    const QFont* f = next<QFont>("font dialog");
    return f ? std::optional<QFont>(*f) : std::nullopt;
}

std::optional<FontChoice> ScriptedUi::FontEffectsDialog(QWidget*, const FontChoice& initial) {
    lastInitialFont = initial;
    const FontChoice* c = next<FontChoice>("font dialog with effects");
    return c ? std::optional<FontChoice>(*c) : std::nullopt;
}

std::optional<QString> ScriptedUi::FolderDialog(QWidget*, const QString&, const QString&) {
    const QString* s = next<QString>("folder dialog");
    return s ? std::optional<QString>(*s) : std::nullopt;
}

bool ScriptedUi::PrintDialog(QWidget*, QPrinter& printer) {
    const PrintAnswer* p = next<PrintAnswer>("print dialog");
    if (!p)
        return false;
    (*p)(printer);
    return true;
}

int ScriptedUi::ExecModal(QDialog& dialog) {
    const ModalAnswer* m = next<ModalAnswer>("modal form");
    return m ? (*m)(dialog) : int(QDialog::Rejected);
}

} // namespace larkspur
