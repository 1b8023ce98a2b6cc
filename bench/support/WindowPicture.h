#pragma once

#include <QString>

class QWidget;

namespace bench {

// Shows the window, lets it paint, saves what it shows to file and hides it again; prints
// "saved" or "FAILED" with the file name.
bool SaveWindowPicture(QWidget& window, const QString& file);

} // namespace bench
