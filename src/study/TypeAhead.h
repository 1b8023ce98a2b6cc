#pragma once

#include <QString>
#include <QStringList>

namespace study {

// The list box's find-string service: the first item that begins with text, compared
// without regard to case, searching from the item after start and wrapping round to start
// itself. -1 when nothing matches or text is empty.
int FindStringFrom(const QStringList& items, const QString& text, int start);

} // namespace study
