#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>

namespace scripture {

// A place typed by the user: a canonical book (position 1..66), a chapter and, when given,
// a verse or a range of verses.
struct TypedReference {
    int position = 0;
    int chapter = 0;
    int firstVerse = 0; // 0: the chapter alone
    int lastVerse = 0;  // 0: a single verse

    bool operator==(const TypedReference&) const = default;
};

// How far a book and a chapter go, as the store knows them; 0 when it does not know.
struct ReferenceLimits {
    std::function<int(int position)> chapters;
    std::function<int(int position, int chapter)> verses;
};

// What the typed text gave: a place, or an Indonesian sentence naming what was not understood.
struct ReferenceReading {
    std::optional<TypedReference> reference;
    QString problem;
};

// Reads "Mazmur 119:105", "mzm 119", "1 Kor 13", "I.Kor 13:4-7", "3 Yoh 1" or a book name of
// the active version ("Psalms 23"): canonical names, the common Indonesian abbreviations, the
// version's own names and a prefix that names one book only, in any letter case, with or
// without blanks and dots; "1", "2", "3" and "I", "II", "III" count alike.
class ReferenceParser {
public:
    // versionNames: the active version's book names in canonical order (empty ones skipped).
    explicit ReferenceParser(const QStringList& versionNames = {});

    ReferenceReading read(const QString& text, const ReferenceLimits& limits) const;
    // The canonical position of a typed book name, 0 when it names none or several.
    int bookPosition(const QString& typed) const;

private:
    void add(const QString& name, int position);
    int exactPosition(const QString& key) const;
    int prefixPosition(const QString& key) const;

    // Squeezed lower-case name -> position; -1 where two books share the name.
    std::map<QString, int> names_;
};

} // namespace scripture
