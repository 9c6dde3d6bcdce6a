// Helpers shared by the window-level tests.
#pragma once

#include "app/FrameForm.h"
#include "platform/Shell.h"
#include "support/ScriptedUi.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace larkspur {

bool WriteFileBytes(const QString& path, const QByteArray& bytes);
QByteArray ReadFileBytes(const QString& path);

// Records what would be opened or started.
class RecordingShell : public Shell {
public:
    QList<QUrl> opened;
    QList<QStringList> started;
    bool OpenUrl(const QUrl& url) override {
        opened << url;
        return true;
    }
    bool StartProgram(const QString& program, const QStringList& arguments) override {
        started << (QStringList() << program << arguments);
        return true;
    }
};

// A main window over a temporary settings file, with scripted dialogs.
struct FrameFixture {
    QTemporaryDir dir;
    ScriptedUi ui;
    RecordingShell shell;
    std::unique_ptr<TFrameForm> frame;

    QString SettingsPath() const { return dir.filePath("larkspur.ini"); }
    QString Path(const QString& name) const { return dir.filePath(name); }
    // Creates (or re-creates, as at a restart) the window and shows it.
    TFrameForm& Start(const QStringList& arguments = {}, bool show = true);
    // Closes the window as the user would; true if it closed.
    bool Close();
};

} // namespace larkspur
