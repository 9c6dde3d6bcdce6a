#include "app/Startup.h"

#include "app/FrameForm.h"
#include "platform/Application.h"
#include "platform/InstanceLock.h"
#include "platform/Shell.h"
#include "platform/Ui.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace larkspur {

int StartLarkspur(Ui& ui, Shell& shell, const StartOptions& options, const std::function<int()>& runLoop) {
    InstanceLock lock(options.lockPath);
    if (!lock.TryLock()) {
        ui.MessageBox(nullptr, QStringLiteral("Larkspurは既に起動しています"), QStringLiteral("Larkspur警告"),
                      MsgIcon::Stop, MsgButtons::Ok);
        return 1;
    }
    SetExceptionReportUi(&ui);
    int result = 0;
    {
        TFrameForm frame(ui, shell, options.settingsPath, options.arguments);
        frame.show();
        result = runLoop();
    }
    SetExceptionReportUi(nullptr);
    return result;
}

int LarkspurMain(int argc, char** argv) {
    Application app(argc, argv);
    // The user interface is Japanese: Qt's own dialogs (files, colours,
    // fonts, printing) speak it too.
    QTranslator qtText;
    if (qtText.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtText);
    QtUi ui;
    DesktopShell shell;
    StartOptions options;
    options.lockPath = InstanceLock::DefaultPath();
    options.settingsPath = TFrameForm::DefaultSettingsPath();
    options.arguments = app.arguments().mid(1);
    int code = StartLarkspur(ui, shell, options, [&] {
        app.exec();
        return 0;
    });
    return code;
}

} // namespace larkspur
