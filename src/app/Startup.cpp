#include "app/Startup.h"

#include "app/FrameForm.h"
#include "platform/Application.h"
#include "platform/InstanceLock.h"
#include "platform/Shell.h"
#include "platform/Ui.h"

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
