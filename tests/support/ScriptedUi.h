// A Ui for tests: prompts are answered from a queue, every message is
// recorded, and a prompt that no answer was queued for is recorded as
// unexpected (and answered with Cancel) instead of blocking the test.
#pragma once

#include "platform/Ui.h"

#include <QList>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>

namespace larkspur {

class ScriptedUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
        MsgIcon icon = MsgIcon::None;
        MsgButtons buttons = MsgButtons::Ok;
    };
    struct FileAnswer {
        QString fileName; // empty: cancel
        int filterIndex = 1;
    };
    struct Cancel {};
    using PrintAnswer = std::function<void(QPrinter&)>;
    using ModalAnswer = std::function<int(QDialog&)>;
    using Answer =
        std::variant<MsgResult, FileAnswer, QString, QColor, QFont, FontChoice, PrintAnswer, ModalAnswer, Cancel>;

    // Queues the next answer.
    void AnswerButton(MsgResult r);
    void AnswerFile(const QString& name, int filterIndex = 1);
    void AnswerCancel();
    void AnswerPrint(PrintAnswer configure);
    void AnswerModal(ModalAnswer run);
    void AnswerColor(const QColor& color);
    void AnswerFont(const QFont& font);
    void AnswerFontChoice(const FontChoice& choice);
    // The initial values the last colour and font dialogs were shown with.
    QColor lastInitialColor;
    FontChoice lastInitialFont;

    QList<Message> messages;
    QList<FileDialogRequest> fileRequests;
    QStringList unexpected;
    std::deque<Answer> answers;

    // Message texts, for compact assertions.
    QStringList Texts() const;

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

private:
    template <class T> const T* next(const char* what);
    std::optional<Answer> current_;
};

} // namespace larkspur
