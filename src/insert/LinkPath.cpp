#include "insert/LinkPath.h"

#include "platform/Paths.h"

#include <QStringList>

namespace larkspur {

static QStringList folders(const QString& path, const QString& drive) {
    QString folder = ExtractFilePath(path).mid(drive.size());
    QStringList parts;
    QString current;
    for (QChar c : folder) {
        if (IsPathDelimiter(c)) {
            if (!current.isEmpty())
                parts << current;
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.isEmpty())
        parts << current;
    return parts;
}

QString MakeLinkPath(const QString& document, const QString& target) {
    const QString docDrive = ExtractFileDrive(document);
    const QString targetDrive = ExtractFileDrive(target);
    QString result;
    if (docDrive == targetDrive) {
        const Qt::CaseSensitivity cs = docDrive == u"/" ? Qt::CaseSensitive : Qt::CaseInsensitive;
        const QStringList from = folders(document, docDrive);
        const QStringList to = folders(target, targetDrive);
        qsizetype common = 0;
        while (common < from.size() && common < to.size() && from[common].compare(to[common], cs) == 0)
            ++common;
        for (qsizetype i = common; i < from.size(); ++i)
            result += QStringLiteral("../");
        for (qsizetype i = common; i < to.size(); ++i)
            result += to[i] + u'/';
        result += ExtractFileName(target);
    } else {
        result = ExtractFileName(target);
    }
    result.replace(u'\\', u'/');
    return result;
}

} // namespace larkspur
