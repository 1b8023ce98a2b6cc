#pragma once

#include <QString>

namespace reader {

// The program's product name, in titles, messages and the about item.
inline const QString kProductName = QStringLiteral("Vermara");

} // namespace reader
