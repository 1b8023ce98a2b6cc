#include "reader/Navigator.h"

#include "scripture/Notations.h"
#include "store/Store.h"
#include "store/VersionChoice.h"

#include <algorithm>

namespace reader {

namespace {
const QString kCanonicalColumn = QStringLiteral("Kitab1");
} // namespace

Navigator::Navigator(const store::Store* store, QObject* parent) : QObject(parent), store_(store) {}

void Navigator::loadVersions(qint32 activeNr, qint32 parallelNr) {
    if (!store_)
        return;
    versions_ = VersionTable(store_->versions());
    const store::VersionChoice choice =
        store::ChooseVersions(store_->versions(), activeNr, parallelNr);
    activeEntry_ = versions_.entryOfNr(choice.firstNr);
    parallelEntry_ = versions_.entryOfNr(choice.secondNr);
    otAvailable_ = activeEntry_ == 0 || versions_.hasOldTestament(activeEntry_) ? 1 : 0;
    emit versionChanged();
    emit parallelChanged();
    showTestament(otAvailable_ == 1);
}

QString Navigator::bookName() const {
    return validBook(book_) ? books_[std::size_t(book_)]->name(kCanonicalColumn) : QString();
}

QString Navigator::activeColumn() const {
    return versions_.contains(activeEntry_) ? versions_.at(activeEntry_).column : QString();
}

QString Navigator::activeName() const {
    return versions_.contains(activeEntry_) ? versions_.at(activeEntry_).name : QString();
}

QString Navigator::parallelColumn() const {
    return versions_.contains(parallelEntry_) ? versions_.at(parallelEntry_).column : QString();
}

QString Navigator::parallelName() const {
    return versions_.contains(parallelEntry_) ? versions_.at(parallelEntry_).name : QString();
}

QStringList Navigator::bookNames() const {
    QStringList names;
    const QString column = activeColumn();
    for (const store::BookRow* book : books_)
        names.append(book->name(column));
    return names;
}

const store::BookRow* Navigator::bookRow() const {
    return validBook(book_) ? books_[std::size_t(book_)] : nullptr;
}

int Navigator::chapterCount() const {
    return validBook(book_) ? std::max(0, books_[std::size_t(book_)]->jumlahBuku) : 0;
}

int Navigator::verseCount() const {
    return chapterRow_ ? store_->chapters()[std::size_t(*chapterRow_)].ayat : 0;
}

QString Navigator::chapterText() const {
    return chapterRow_ ? store_->chapterText(*chapterRow_, activeColumn()) : QString();
}

QString Navigator::parallelChapterText() const {
    return chapterRow_ ? store_->chapterText(*chapterRow_, parallelColumn()) : QString();
}

std::vector<const store::BookRow*> Navigator::booksOf(bool oldTestament) const {
    // Without an active version there are no names to list.
    if (!store_ || activeEntry_ == 0)
        return {};
    return store_->booksOf(oldTestament ? QStringLiteral("Lama") : QStringLiteral("Baru"));
}

void Navigator::showTestament(bool oldTestament) {
    oldTestament_ = oldTestament;
    books_ = booksOf(oldTestament);
    book_ = -1;
    chapter_ = 0;
    verse_ = 0;
    chapterRow_.reset();
    emit bookListChanged();
}

void Navigator::show(int book, int chapter, bool bookMoved, Record record) {
    book_ = book;
    chapter_ = chapter;
    verse_ = 0;
    chapterRow_ = store_ ? store_->findChapter(bookName(), chapter) : std::nullopt;
    if (record == Record::Yes)
        recordPlace(0);
    if (bookMoved)
        emit bookChanged();
    emit chapterChanged();
}

void Navigator::recordPlace(int verse) {
    history_.RecordLocation({activeColumn(), bookName(), chapter_, verse > 0 ? verse : 1},
                            verse > 0);
}

bool Navigator::chooseTestament(bool oldTestament, Record record) {
    if (oldTestament && otAvailable_ == 0)
        return false;
    showTestament(oldTestament);
    if (!validBook(0))
        return false;
    show(0, 1, true, record);
    return true;
}

bool Navigator::chooseBook(int index, Record record) {
    if (!validBook(index))
        return false;
    show(index, 1, true, record);
    return true;
}

bool Navigator::chooseChapter(int chapter) {
    if (!validBook(book_) || chapter < 1 || chapter > chapterCount())
        return false;
    show(book_, chapter, false, Record::Yes);
    return true;
}

bool Navigator::chooseVerse(int verse) {
    // Not bounded by Ayat: a chapter's text may begin after verse 1.
    if (verse < 1 || !chapterRow_)
        return false;
    verse_ = verse;
    recordPlace(verse);
    emit verseChosen(verse);
    return true;
}

bool Navigator::showBookChapter(const QString& book, int chapter, Record record) {
    const store::BookRow* row = store_ && activeEntry_ != 0 ? store_->findBook(book) : nullptr;
    if (!row || chapter < 1 || chapter > row->jumlahBuku)
        return false;
    const bool old = row->perjanjian.compare(QLatin1String("lama"), Qt::CaseInsensitive) == 0;
    if (old && otAvailable_ == 0)
        return false;
    const std::vector<const store::BookRow*> books = booksOf(old);
    const auto found = std::find(books.begin(), books.end(), row);
    if (found == books.end())
        return false;
    emit jumpStarted();
    const bool testamentMoved = old != oldTestament_ || books_.empty();
    if (testamentMoved)
        showTestament(old);
    const int index = int(found - books.begin());
    show(index, chapter, testamentMoved || index != book_, record);
    return true;
}

bool Navigator::goTo(const QString& book, int chapter, int verse) {
    if (!showBookChapter(book, chapter, Record::Yes))
        return false;
    if (verse > 0)
        chooseVerse(verse);
    return true;
}

bool Navigator::goToKey(const scripture::LocationKey& key) {
    return goTo(key.book, key.chapter, key.firstVerse);
}

bool Navigator::goToPassage(const QString& book, int chapter, int firstVerse, int lastVerse) {
    if (!goTo(book, chapter, firstVerse))
        return false;
    if (firstVerse > 0 && lastVerse > firstVerse)
        emit passageChosen(firstVerse, lastVerse);
    return true;
}

const store::BookRow* Navigator::neighbourBook(int step) const {
    if (validBook(book_ + step))
        return books_[std::size_t(book_ + step)];
    if (step > 0 && oldTestament_) {
        const auto books = booksOf(false);
        return books.empty() ? nullptr : books.front();
    }
    if (step < 0 && !oldTestament_ && otAvailable_ == 1) {
        const auto books = booksOf(true);
        return books.empty() ? nullptr : books.back();
    }
    return nullptr;
}

bool Navigator::stepChapter(int step) {
    if (!validBook(book_))
        return false;
    const int chapter = chapter_ + step;
    if (chapter >= 1 && chapter <= chapterCount())
        return showBookChapter(bookName(), chapter, Record::Yes);
    const store::BookRow* row = neighbourBook(step);
    if (!row)
        return false;
    return showBookChapter(row->name(kCanonicalColumn), step > 0 ? 1 : row->jumlahBuku,
                           Record::Yes);
}

bool Navigator::jumpTo(const scripture::LocationKey& key, Record record) {
    if (!showBookChapter(key.book, key.chapter, record))
        return false;
    if (key.firstVerse > 0)
        emit lineChosen(key.firstVerse);
    return true;
}

void Navigator::restore(const LastPosition& last) {
    const bool old = last.oldTestament && otAvailable_ == 1;
    showTestament(old);
    if (books_.empty())
        return;
    // A saved Old Testament place on a version without it says nothing about the New one.
    const bool keep = old == last.oldTestament && validBook(last.book);
    const int book = keep ? last.book : 0;
    show(book, 1, true, Record::No);
    if (keep && last.chapter > 0 && last.chapter < chapterCount())
        show(book, last.chapter + 1, false, Record::No);
    // The history starts with what the user reads, not with the place restored.
    history_.clear();
}

void Navigator::setActive(int entry) {
    activeEntry_ = entry;
    otAvailable_ = versions_.hasOldTestament(entry) ? 1 : 0;
    emit versionChanged();
}

Navigator::VersionStep Navigator::ChangeVersion(int entry) {
    if (!versions_.contains(entry))
        return VersionStep::Unknown;
    if (versions_.needsTestamentQuestion(entry, oldTestament_))
        return VersionStep::NeedsNewTestament;
    const int book = book_;
    const int chapter = chapter_;
    setActive(entry);
    books_ = booksOf(oldTestament_);
    emit bookListChanged();
    if (validBook(book))
        show(book, chapter, true, Record::Yes);
    return VersionStep::Done;
}

void Navigator::ChangeVersionToNewTestament(int entry) {
    if (!versions_.contains(entry))
        return;
    setActive(entry);
    showTestament(false);
    if (validBook(0))
        show(0, 1, true, Record::Yes);
}

bool Navigator::chooseParallel(int entry) {
    if (!versions_.contains(entry))
        return false;
    parallelEntry_ = entry;
    emit parallelChanged();
    return true;
}

} // namespace reader
