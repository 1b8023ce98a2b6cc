#pragma once

#include <QString>
#include <vector>

// Turning the markup that SWORD modules store (OSIS, ThML, GBF) into the plain text the store
// holds. Unknown tags are dropped and their content kept.
namespace import {

// One verse as the reader shows it: notes, non-canonical headings, Strong's numbers and every
// tag removed, entities decoded, blanks collapsed. Canonical psalm titles stay.
QString PlainVerseText(const QString& markup);

// Commentary or dictionary text: like PlainVerseText, but paragraphs, headings, table rows and
// list items each start a line; lines are joined by CR LF and empty lines dropped.
QString ReadableText(const QString& markup);

// A cross-reference note of a verse: its target as the module gives it. osisRef is set when the
// module marks the target up; otherwise text holds what the note reads ("Isaiah 7:14; 9:6").
struct NoteReference {
    QString osisRef;
    QString text;
};

std::vector<NoteReference> CrossReferenceNotes(const QString& markup);

// Markup left in text meant to be plain: a backslash code ("\nd", "\add*", "\'e9"), a tag
// ("<i>", "</w>") or an entity ("&gt;", "&#233;"), with where it starts.
struct MarkupResidue {
    qsizetype start = 0;
    QString text;
};

std::vector<MarkupResidue> FindMarkupResidue(const QString& text);

// The value of attribute name in a tag's attribute text; empty when it is absent.
QString AttributeValue(const QString& attributes, const QString& name);

} // namespace import
