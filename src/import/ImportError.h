#pragma once

#include <QString>
#include <stdexcept>

namespace import {

// Raised when a store cannot be built: its message names the module, file or folder at fault.
class ImportError : public std::runtime_error {
public:
    explicit ImportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace import
