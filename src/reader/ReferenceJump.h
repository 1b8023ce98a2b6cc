#pragma once

#include <QString>

namespace reader {

class Navigator;

// The reference field's move: the typed place ("Mzm 119:105", "Kej 1:1-5", "Psalms 23") shown
// through the navigator and entered in its history like a chapter choice. Answers the empty
// text when it went there, else the Indonesian sentence to show under the field; the place
// then stays where it was.
QString GoToTypedReference(Navigator& navigator, const QString& text);

} // namespace reader
