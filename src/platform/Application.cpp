#include "platform/Application.h"

#include "platform/AppError.h"
#include "platform/Ui.h"

#include <cstdio>

namespace larkspur {

namespace {
Ui* g_reportUi = nullptr;
}

void SetExceptionReportUi(Ui* ui) { g_reportUi = ui; }

void ReportException(const QString& text) {
    if (g_reportUi)
        g_reportUi->MessageBox(nullptr, text, QStringLiteral("Larkspur"), MsgIcon::Stop, MsgButtons::Ok);
    else
        std::fprintf(stderr, "Larkspur: %s\n", qPrintable(text));
}

namespace {
// Runs `f`, reporting an error that escapes it; false when it was abandoned.
template <class F> bool guarded(F&& f) {
    try {
        f();
        return true;
    } catch (const AppError& e) {
        ReportException(e.Message());
    } catch (const std::exception& e) {
        ReportException(QString::fromUtf8(e.what()));
    }
    return false;
}
} // namespace

bool RunHandler(const std::function<void()>& handler) { return guarded(handler); }

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(QStringLiteral("Larkspur"));
    setApplicationDisplayName(QStringLiteral("Larkspur"));
}

bool Application::notify(QObject* receiver, QEvent* event) {
    bool result = false;
    guarded([&] { result = QApplication::notify(receiver, event); });
    return result;
}

} // namespace larkspur
