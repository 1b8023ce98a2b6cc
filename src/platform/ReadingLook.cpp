#include "platform/ReadingLook.h"

namespace platform {

void ReadingLook::setFont(const QString& name, double size, bool bold) {
    if (name == name_ && size == size_ && bold == bold_)
        return;
    name_ = name;
    size_ = size;
    bold_ = bold;
    emit changed();
}

} // namespace platform
