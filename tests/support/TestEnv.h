// Helpers shared by the window-level tests.
#pragma once

#include <QByteArray>
#include <QString>

namespace larkspur {

// Writes `bytes` to `path`; returns false on failure.
bool WriteFileBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);

} // namespace larkspur
