#include "reader/Jumps.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "reader/Navigator.h"
#include "scripture/BookCatalogue.h"
#include "scripture/ReferenceRoutines.h"
#include "store/Store.h"

namespace reader {

namespace {

const QString kNoOldTestament =
    QStringLiteral("Versi yang sedang aktif tidak memiliki Perjanjian Lama");

} // namespace

Jumps::Jumps(Navigator& navigator, History& history, platform::Dialogs& dialogs, QObject* parent)
    : QObject(parent), nav_(navigator), history_(history), dialogs_(dialogs) {
    connect(&nav_, &Navigator::chapterChanged, this, [this] { record(0); });
    connect(&nav_, &Navigator::verseChosen, this, &Jumps::record);
}

void Jumps::record(int verse) {
    if (nav_.bookIndex() < 0)
        return;
    history_.RecordLocation(
        {nav_.activeColumn(), nav_.bookName(), nav_.chapter(), verse > 0 ? verse : 1}, verse > 0);
}

std::optional<int> Jumps::JumpLocation(QString& key) {
    scripture::NormalizeBookAlias(key);
    const auto place = scripture::ParseLocationKey(key);
    if (!place)
        return std::nullopt;
    const bool oldTestament = scripture::GetBookIndexOT(place->book) != -1;
    if (oldTestament && nav_.OTAvailable() != 1) {
        if (bookmarkShown_ && bookmarkShown_())
            dialogs_.message(kNoOldTestament, platform::MessageButtons::Ok,
                             platform::MessageIcon::None, platform::kProductName);
        return std::nullopt;
    }
    if (!oldTestament && scripture::GetBookIndexNT(place->book) == -1)
        return std::nullopt;
    if (!nav_.goTo(place->book, place->chapter))
        return std::nullopt;
    return place->firstVerse;
}

std::optional<int> Jumps::NavigateHistory(History::Step mode) {
    std::optional<QString> key = history_.step(mode);
    if (!key)
        return std::nullopt;
    history_.setRecording(false);
    const std::optional<int> verse = JumpLocation(*key);
    history_.setRecording(true);
    return verse;
}

bool Jumps::SetDataLocation(int chapterRow) {
    const store::Store* store = nav_.store();
    if (!store || chapterRow < 0 || chapterRow >= int(store->chapters().size()))
        return false;
    const store::ChapterRow& row = store->chapters()[std::size_t(chapterRow)];
    return nav_.goTo(row.buku, row.bab);
}

QStringList JumpItems(const QString& crossReferenceLine, bool otAvailable) {
    const QString arrow = QStringLiteral(" -> ");
    const qsizetype at = crossReferenceLine.indexOf(arrow);
    if (at < 0)
        return {};
    QStringList items;
    for (const QString& piece : crossReferenceLine.mid(at + arrow.size()).split(u',')) {
        const QString part = piece.trimmed();
        if (part.isEmpty())
            continue;
        QString reference = part;
        // "Zakaria" is how some versions spell Zakharia; the catalogue knows only the latter.
        QString book = scripture::ToLocationKey(reference, true) + u'#';
        scripture::NormalizeBookAlias(book);
        book.chop(1);
        const bool missing = scripture::GetBookIndexOT(book) != -1 && !otAvailable;
        items.append(missing ? part + u'*' : part);
    }
    return items;
}

bool CanConfirmJumpItem(const QString& item) {
    return !item.trimmed().endsWith(u'*');
}

} // namespace reader
