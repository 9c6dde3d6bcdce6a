#include "support/TestEnv.h"

#include "platform/Application.h"

#include <QFile>

namespace larkspur {

bool WriteFileBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray ReadFileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TFrameForm& FrameFixture::Start(const QStringList& arguments, bool show) {
    frame.reset();
    SetExceptionReportUi(&ui);
    frame = std::make_unique<TFrameForm>(ui, shell, SettingsPath(), arguments);
    if (show)
        frame->show();
    return *frame;
}

bool FrameFixture::Close() { return frame->close(); }

} // namespace larkspur
