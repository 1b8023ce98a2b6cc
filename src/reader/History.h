#pragma once

#include "scripture/Notations.h"

#include <QObject>
#include <QStringList>
#include <optional>

namespace reader {

// ListHistory: the places shown in this run, oldest first, as history entries
// ("Kitab1@Matius# 5:44"). The index marks the entry last navigated to; -1 until the first
// step and after clear(). Never saved.
class History : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxEntries = 100;
    enum class Step { Back = 1, Forward = 2, Newest = 3 };

    explicit History(QObject* parent = nullptr) : QObject(parent) {}

    const QStringList& entries() const { return entries_; }
    int index() const { return index_; }

    // Appends the place; a chosen verse (verse > 0) replaces the entry its chapter left, so
    // choosing a chapter and then a verse leaves one entry.
    void RecordLocation(const scripture::HistoryEntry& place, bool verseChosen);
    // The location key ("Matius# 5:44") of the entry a step reaches, which becomes the
    // marked one; nullopt outside the list, leaving everything as it was.
    std::optional<QString> step(Step mode);
    // The same for the entry at that index of the list.
    std::optional<QString> stepTo(int index);
    // Forgets every entry, as after restoring the last place at start.
    void clear();

signals:
    void changed();

private:
    QStringList entries_;
    int index_ = -1;
};

} // namespace reader
