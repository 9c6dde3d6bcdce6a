#include "documents/FileRules.h"

#include "platform/Paths.h"

namespace larkspur {

QStringList OpenDialogFilters() {
    return {QStringLiteral("HTMLソース|*.htm;*.html"),  QStringLiteral("全てのファイル|*.*"),
            QStringLiteral("CSS定義ファイル|*.css"),    QStringLiteral("テキストファイル|*.txt"),
            QStringLiteral("VRMLｿｰｽﾌｧｲﾙ|*.wrl;*.vrml"), QStringLiteral("Javaソース|*.java")};
}

QStringList SaveDialogFilters() {
    return {QStringLiteral("HTMLｿｰｽﾌｧｲﾙ(拡張子自動変更)|*.htm;*.html"), QStringLiteral("全てのﾌｧｲﾙ|*.*")};
}

QString ApplyExtensionRule(const QString& name, int filterIndex, bool extHtml, bool extHtm) {
    if (filterIndex != 1)
        return name;
    if (extHtml)
        return ChangeFileExt(name, QStringLiteral(".html"));
    if (extHtm)
        return ChangeFileExt(name, QStringLiteral(".htm"));
    return name;
}

QString OverwriteQuestion(const QString& name) {
    return name + QStringLiteral(" ファイルは既に存在します。\n上書きしますか?");
}

QString FolderOfFile(const QString& file) {
    QString folder = ExtractFilePath(file);
    if (folder.size() > 1 && IsPathDelimiter(folder.back()) && !(folder.size() == 3 && folder[1] == u':'))
        folder.chop(1);
    return folder;
}

QString InsertFileText(const QString& text) {
    QString body = text;
    qsizetype nul = body.indexOf(QChar(0));
    if (nul >= 0)
        body.truncate(nul);
    QString out;
    out.reserve(body.size() + body.size() / 16 + 2);
    qsizetype start = 0, n = body.size();
    while (start < n) {
        qsizetype end = start;
        while (end < n && body[end] != u'\r' && body[end] != u'\n')
            ++end;
        out += QStringView(body).sliced(start, end - start);
        out += QStringLiteral("\r\n");
        if (end < n && body[end] == u'\r' && end + 1 < n && body[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return out;
}

} // namespace larkspur
