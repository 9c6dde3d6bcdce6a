#include "platform/Shell.h"

#include <QDesktopServices>
#include <QProcess>

namespace larkspur {

bool DesktopShell::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool DesktopShell::StartProgram(const QString& program, const QStringList& arguments) {
    return QProcess::startDetached(program, arguments);
}

} // namespace larkspur
