#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// Raised for a store that cannot be used: its message names the file and the cause.
class StoreError : public std::runtime_error {
public:
    explicit StoreError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace store
