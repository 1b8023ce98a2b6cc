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

Jumps::Jumps(Navigator& navigator, platform::Dialogs& dialogs, QObject* parent)
    : QObject(parent), nav_(navigator), dialogs_(dialogs) {}

bool Jumps::JumpLocation(scripture::LocationKey key, Record record) {
    scripture::NormalizeBookAlias(key);
    const bool oldTestament = scripture::GetBookIndexOT(key.book) != -1;
    if (oldTestament && nav_.OTAvailable() != 1) {
        if (bookmarkShown_ && bookmarkShown_())
            dialogs_.message(kNoOldTestament, platform::MessageButtons::Ok,
                             platform::MessageIcon::None, platform::kProductName);
        return false;
    }
    if (!oldTestament && scripture::GetBookIndexNT(key.book) == -1)
        return false;
    return nav_.jumpTo(key, record);
}

bool Jumps::NavigateHistory(History::Step mode) {
    return showEntry(nav_.history().step(mode));
}

bool Jumps::showHistoryEntry(int index) {
    return showEntry(nav_.history().stepTo(index));
}

bool Jumps::showEntry(const std::optional<QString>& entry) {
    if (!entry)
        return false;
    const auto key = scripture::ParseLocationKey(*entry);
    return key && JumpLocation(*key, Record::No);
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
