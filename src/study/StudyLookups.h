#pragma once

#include "store/Records.h"

#include <QString>
#include <QStringList>
#include <vector>

// Finding the rows the study windows show. Names are compared in memory, without regard to
// letter case as the store's text comparison does, so apostrophes in a name need no escaping.
namespace study {

// First letter of each word upper case, the rest lower case: "anak yang HILANG" gives
// "Anak Yang Hilang".
QString ProperCase(const QString& text);

// The parable named so, blanks round the name ignored; nullptr when there is none.
const store::ParableRow* FindParable(const std::vector<store::ParableRow>& rows,
                                     const QString& name);
// The gospel references of a parable in the order Matius, Markus, Lukas, Yohanes; a gospel
// that does not tell it has a null (or blank) entry.
QStringList GospelReferences(const store::ParableRow& row);
// Index of the first gospel that tells the parable, -1 when none does.
int FirstGospel(const QStringList& references);

// The prophecy named so, blanks round the name ignored; nullptr when there is none.
const store::ProphecyRow* FindProphecy(const std::vector<store::ProphecyRow>& rows,
                                       const QString& name);

// The references filed under a topic, in row order; topics match lower-cased and trimmed.
QStringList ThematicReferences(const std::vector<store::ThematicRow>& rows, const QString& topic);
// The ClipBook heading of a thematic passage: topic, a line break, the reference up to and
// including its "#" (nothing without one) and a blank.
QString ThematicHeading(const QString& topic, const QString& reference);

// A ClipBook entry as the ClipBook appends it: heading, the selected text, an empty line.
QString ClipBookEntry(const QString& heading, const QString& selectedText);

} // namespace study
