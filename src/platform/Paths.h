// File-name helpers that accept both "\" and "/" as separators, so that
// Windows-style names (C:\site\index.html) and POSIX names work alike.
// The drive part of a name is "C:" for a drive letter, "\\server\share" for a
// network name, "/" for a POSIX absolute path and empty for a bare name.
#pragma once

#include <QString>

namespace larkspur {

bool IsPathDelimiter(QChar c);
QString ExtractFileDrive(const QString& path);
QString ExtractFilePath(const QString& path); // folder part with its trailing separator
QString ExtractFileName(const QString& path);
QString ExtractFileExt(const QString& path); // ".html", or empty
QString ChangeFileExt(const QString& path, const QString& ext);
// The absolute, cleaned form of an existing file's name.
QString LongFileName(const QString& path);
// True when a regular file (not a folder) of that name exists.
bool FileExists(const QString& path);

} // namespace larkspur
