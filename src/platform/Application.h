// The application object and its exception report: an error that escapes an
// event handler is shown as a message titled "Larkspur" with a stop icon and
// the error text; the handler is abandoned and the program keeps running.
#pragma once

#include <QApplication>
#include <functional>

namespace larkspur {

class Ui;

// Shows `text` through the exception report (the reporter set by the
// application, or standard error when none is set).
void ReportException(const QString& text);
// Installs the Ui that the exception report shows its message through.
void SetExceptionReportUi(Ui* ui);

// Runs `handler`, reporting an error that escapes it. Returns false when the
// handler was abandoned.
bool RunHandler(const std::function<void()>& handler);

class Application : public QApplication {
public:
    Application(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace larkspur
