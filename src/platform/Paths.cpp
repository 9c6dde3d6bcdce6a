#include "platform/Paths.h"

#include <QDir>
#include <QFileInfo>

namespace larkspur {

bool IsPathDelimiter(QChar c) { return c == u'\\' || c == u'/'; }

QString ExtractFileDrive(const QString& path) {
    if (path.size() >= 2 && path[1] == u':' && path[0].isLetter())
        return path.left(2);
    if (path.size() >= 2 && IsPathDelimiter(path[0]) && IsPathDelimiter(path[1])) {
        // \\server\share: up to the separator after the share name.
        int separators = 0;
        for (qsizetype i = 2; i < path.size(); ++i) {
            if (IsPathDelimiter(path[i]) && ++separators == 2)
                return path.left(i);
        }
        return path;
    }
    if (path.startsWith(u'/'))
        return QStringLiteral("/");
    return {};
}

static qsizetype lastDelimiter(const QString& path) {
    for (qsizetype i = path.size() - 1; i >= 0; --i)
        if (IsPathDelimiter(path[i]) || (path[i] == u':' && i == 1))
            return i;
    return -1;
}

QString ExtractFilePath(const QString& path) { return path.left(lastDelimiter(path) + 1); }

QString ExtractFileName(const QString& path) { return path.mid(lastDelimiter(path) + 1); }

QString ExtractFileExt(const QString& path) {
    QString name = ExtractFileName(path);
    qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

QString ChangeFileExt(const QString& path, const QString& ext) {
    qsizetype start = lastDelimiter(path) + 1;
    qsizetype dot = path.lastIndexOf(u'.');
    if (dot < start)
        return path + ext;
    return path.left(dot) + ext;
}

QString LongFileName(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

bool FileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    QFileInfo info(path);
    return info.exists() && !info.isDir();
}

} // namespace larkspur
