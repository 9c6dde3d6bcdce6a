// The HTML assist commands of the main window ("HTML補助(&A)").
//
// The pure parts are free functions; HtmlAssistCommands is the controller
// the main window owns (it holds references to the window and its Ui).
#pragma once

#include <QFont>
#include <QString>

namespace larkspur {

class TFrameForm;
class Ui;

struct TagPair {
    QString front;
    QString rear;
};

// The link pair for an Internet shortcut's address: <A HREF="url"> and </A>,
// lower-cased tag and attribute names with `useSmall`. A double quote in the
// address is written %22 so that it cannot end the attribute.
TagPair UrlLinkPair(const QString& url, bool useSmall);
// The link text for a shortcut file: its name without folder and extension.
QString UrlLinkText(const QString& fileName);
QString CommentText(const QString& selection); // "<!-- " + S + " -->"

class HtmlAssistCommands {
public:
    static constexpr qint64 kMaxShortcutBytes = 1 << 20;

    HtmlAssistCommands(TFrameForm& frame, Ui& ui);

    void HTMLRetryExecute();
    void HTMLFontExecute();
    void HTMLUrlExecute();
    void HTMLCommentExecute();
    void HTMLToLargeExecute();
    void HTMLToSmallExecute();
    void HTMLDateExecute();

private:
    TFrameForm& frame_;
    Ui& ui_;
    QFont lastFont_;
};

} // namespace larkspur
