#pragma once

#include "import/ModuleSource.h"

#include <QString>

// What the store says about the modules it was built from.
namespace import {

// The version's display name from its module description. The deuterocanon goes to a table of
// its own, so a description that announces it ("World English Bible with Deuterocanon") loses
// that part in the verse catalogue.
QString VersionName(const QString& description);

// The book's name in the module's own language, from the markup before its chapter 1 (the
// short title of its table of contents, else its header or main title); empty when none.
QString ModuleBookName(const QString& bookIntroMarkup);

// The copyright line of a version: its licence, else its copyright statement.
QString CopyrightLine(const ModuleInfo& info);

// A paragraph of the rights notice: the module, its licence and copyright, its source and what
// the module says about itself.
QString RightsParagraph(const ModuleInfo& info);

// text cut to at most size characters, for fields of fixed size.
QString Fit(const QString& text, int size);

} // namespace import
