// The desktop services Larkspur asks for: opening an address or a file in the
// user's browser and starting a program. Tests replace it with a recorder.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

namespace larkspur {

class Shell {
public:
    virtual ~Shell() = default;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Starts `program` with `arguments` (never through a command shell).
    virtual bool StartProgram(const QString& program, const QStringList& arguments) = 0;
};

class DesktopShell : public Shell {
public:
    bool OpenUrl(const QUrl& url) override;
    bool StartProgram(const QString& program, const QStringList& arguments) override;
};

} // namespace larkspur
