#pragma once

#include "scripture/Notations.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace import {

// The chapters of the store being built and the verses of each (Ayat): every reference the
// importer writes is held to them, so no window is sent to a verse that is not there.
class StoreBounds {
public:
    // verses is the chapter's highest verse number; chapters may come in any order, with gaps.
    void addChapter(const QString& book, int chapter, int verses);

    bool hasBook(const QString& book) const;
    // Verses of a chapter; 0 for a chapter or book the store does not hold.
    int verses(const QString& book, int chapter) const;

    // Why the store cannot show key as written; empty when it can. A whole chapter (first
    // verse 0) is fine wherever the chapter exists.
    QString fault(const scripture::LocationKey& key) const;

    // key as the store can show it: a whole chapter becomes its verses, and a range that runs
    // past its chapter ends there (*cut set). nullopt for a book, chapter or first verse the
    // store does not hold.
    std::optional<scripture::LocationKey> fit(const scripture::LocationKey& key,
                                              bool* cut = nullptr) const;

private:
    std::map<QString, std::vector<int>> books_;
};

// What one table of the store lost to the bounds: references left out and ranges cut short,
// with the first few of each for the importer's summary line.
class LeftOut {
public:
    explicit LeftOut(QString table) : table_(std::move(table)) {}
    void setTable(const QString& table) { table_ = table; }

    void leave(const QString& reference) { note(left_, reference); }
    void cut(const QString& reference) { note(cut_, reference); }
    // Fits key to bounds, noting what was left out or cut.
    std::optional<scripture::LocationKey> fit(const StoreBounds& bounds,
                                              const scripture::LocationKey& key);

    int leftCount() const { return left_.count; }
    int cutCount() const { return cut_.count; }
    // One line for the summary; empty when nothing was lost.
    QString summary() const;

private:
    struct Tally {
        int count = 0;
        QStringList first;
    };
    static void note(Tally& tally, const QString& reference);

    QString table_;
    Tally left_;
    Tally cut_;
};

} // namespace import
