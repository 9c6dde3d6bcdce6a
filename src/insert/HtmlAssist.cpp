#include "insert/HtmlAssist.h"

#include "app/FrameForm.h"
#include "documents/EditForm.h"
#include "documents/FileRules.h"
#include "platform/AppError.h"
#include "platform/FormatDateTime.h"
#include "platform/IniFile.h"
#include "platform/Paths.h"
#include "platform/Ui.h"

#include <QFileInfo>

namespace larkspur {

TagPair UrlLinkPair(const QString& url, bool useSmall) {
    QString front = QStringLiteral("<A HREF=\"");
    QString rear = QStringLiteral("</A>");
    if (useSmall) {
        front = front.toLower();
        rear = rear.toLower();
    }
    QString address = url;
    address.replace(u'"', QStringLiteral("%22"));
    return {front + address + QStringLiteral("\">"), rear};
}

QString UrlLinkText(const QString& fileName) { return ChangeFileExt(ExtractFileName(fileName), QString()); }

QString CommentText(const QString& selection) { return QStringLiteral("<!-- ") + selection + QStringLiteral(" -->"); }

HtmlAssistCommands::HtmlAssistCommands(TFrameForm& frame, Ui& ui)
    : frame_(frame), ui_(ui), lastFont_(QStringLiteral("ＭＳ Ｐゴシック"), 9) {}

void HtmlAssistCommands::HTMLRetryExecute() { frame_.WrapSelection(); }

void HtmlAssistCommands::HTMLFontExecute() {
    auto font = ui_.FontDialog(&frame_, lastFont_);
    if (!font)
        return;
    lastFont_ = *font;
    frame_.InsertText(font->family());
}

void HtmlAssistCommands::HTMLUrlExecute() {
    FileDialogRequest request;
    request.filters = {QStringLiteral("URLファイル|*.url")};
    request.initialDir = frame_.OpenDialogURLFolder;
    auto chosen = ui_.OpenFileDialog(&frame_, request);
    if (!chosen)
        return;
    const QString file = chosen->fileName;
    frame_.OpenDialogURLFolder = FolderOfFile(file);
    if (QFileInfo(file).size() > kMaxShortcutBytes)
        throw AppError(QStringLiteral("ファイル %1 はインターネットショートカットではありません").arg(file));
    IniFile shortcut(file);
    TagPair pair = UrlLinkPair(
        shortcut.ReadString(QStringLiteral("InternetShortcut"), QStringLiteral("URL"), QString()), frame_.UseSmall);
    frame_.SetTagPair(pair.front, pair.rear);
    frame_.InsertText(pair.front + UrlLinkText(file) + pair.rear);
}

void HtmlAssistCommands::HTMLCommentExecute() {
    if (EditForm)
        EditForm->ReplaceSelection(CommentText(EditForm->SelectedText()));
}

void HtmlAssistCommands::HTMLToLargeExecute() {
    if (!EditForm)
        return;
    QString s = EditForm->SelectedText();
    if (!s.isEmpty())
        EditForm->ReplaceSelection(QLocale().toUpper(s));
}

void HtmlAssistCommands::HTMLToSmallExecute() {
    if (!EditForm)
        return;
    QString s = EditForm->SelectedText();
    if (!s.isEmpty())
        EditForm->ReplaceSelection(QLocale().toLower(s));
}

void HtmlAssistCommands::HTMLDateExecute() {
    if (EditForm)
        frame_.InsertText(FormatDateTime(frame_.DateFormat, frame_.Now(), frame_.DateSettings()));
}

} // namespace larkspur
