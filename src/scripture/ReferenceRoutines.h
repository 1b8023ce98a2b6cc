#pragma once

#include "scripture/Notations.h"

#include <QString>

namespace scripture {

// Turns a display reference into a location key by putting "#" before its last blank
// (I Korintus 13:4 becomes I Korintus# 13:4); the converted text is written back into
// reference. With bookOnly the book part alone is returned.
QString ToLocationKey(QString& reference, bool bookOnly = false);

// Replaces the two display spellings "Zakaria#" and "Yoél#" by their canonical names
// (exact comparison), writes the result back into key and returns it.
QString NormalizeBookAlias(QString& key);
// The same for the book of a parsed key.
void NormalizeBookAlias(LocationKey& key);

} // namespace scripture
