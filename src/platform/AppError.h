// The error that event handlers throw when the application's exception
// report must show it (a file that cannot be read or written, ...).
#pragma once

#include <QString>
#include <stdexcept>

namespace larkspur {

class AppError : public std::runtime_error {
public:
    explicit AppError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& Message() const { return message_; }

private:
    QString message_;
};

} // namespace larkspur
