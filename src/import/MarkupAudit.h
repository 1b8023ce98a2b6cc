#pragma once

#include <QStringList>

namespace import {

// The markup left in the text columns of the store at path: backslash codes, tags and
// entities (see FindMarkupResidue), one line per table and column that has any, with how many
// and the first few places: the book and the verse of the line ("Imamat 19:25") in chapter
// texts, else the row's name. Empty for a clean store. Throws store::StoreError when the
// store cannot be read.
QStringList AuditMarkup(const QString& storePath);

} // namespace import
