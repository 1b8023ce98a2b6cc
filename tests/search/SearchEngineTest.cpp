#include "search/SearchEngine.h"

#include "platform/AnsiCodePage.h"
#include "search/QueryKeyHash.h"
#include "store/Store.h"
#include "support/FixtureStore.h"
#include "support/WriteFailures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <stdexcept>
#include <utility>

using namespace search;
using Kind = SearchOutcome::Kind;

namespace {

class SearchEngineTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        storeFolder = new QTemporaryDir;
        store = store::Store::Open(fixture::WriteFixtureStore(storeFolder->path())).release();
    }
    static void TearDownTestSuite() {
        delete store;
        delete storeFolder;
    }

    static SearchRequest Whole(const QString& text) {
        SearchRequest r;
        r.text = text;
        r.scope = Scope::WholeBible;
        r.column = QStringLiteral("Kitab1");
        r.versionName = QStringLiteral("Alkitab Terjemahan Baru");
        r.caption = QStringLiteral("Vermara 2.0.0 - (c) LAI 1974");
        r.bookItem = QStringLiteral("Kejadian");
        r.bookName = QStringLiteral("Kejadian");
        r.perjanjian = QStringLiteral("Lama");
        return r;
    }
    static SearchRequest In(Scope scope, const QString& text, const QString& book, int chapter) {
        SearchRequest r = Whole(text);
        r.scope = scope;
        r.bookItem = r.bookName = book;
        r.chapterIndex = chapter - 1;
        return r;
    }
    SearchOutcome Run(const SearchRequest& request, const ProgressFn& progress = {}) {
        return engine.CariSemua(request, stop, progress);
    }
    static QString Text(const SearchOutcome& outcome) {
        return platform::ReadTextFile(outcome.file);
    }
    // The verse references of a results file, in order.
    static QStringList References(const SearchOutcome& outcome) {
        QStringList refs;
        const QStringList lines = Text(outcome).split(QStringLiteral("\r\n"));
        for (qsizetype k = 2; k + 1 < lines.size(); ++k) {
            if (lines[k - 2].isEmpty() && lines[k - 1].isEmpty() && !lines[k].isEmpty())
                refs << lines[k] + u'|' + lines[k + 1].section(u' ', 0, 0);
        }
        return refs;
    }

    static inline QTemporaryDir* storeFolder = nullptr;
    static inline store::Store* store = nullptr;
    QTemporaryDir temp;
    SearchEngine engine{*store, temp.path()};
    StopToken stop;
};

TEST_F(SearchEngineTest, WritesTheResultsFileInItsExactFormat) {
    const SearchOutcome outcome = Run(Whole(QStringLiteral("kasih")));
    ASSERT_EQ(outcome.kind, Kind::Finished);
    EXPECT_EQ(outcome.count, 2);
    EXPECT_EQ(outcome.file, ResultFileName(temp.path(), SearchKey(Whole(QStringLiteral("kasih")))));
    QString text = Text(outcome);
    text.replace(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d:\\d\\d")), QStringLiteral("T"));
    EXPECT_EQ(text, QStringLiteral("Vermara 2.0.0 - (c) LAI 1974\r\n"
                                   " -- Pencarian di seluruh Alkitab \r\n"
                                   " -- Sintaks Pencarian: kasih\r\n"
                                   " -- Ditemukan : 2 ayat \r\n"
                                   " -- Waktu Pencarian : T\r\n"
                                   "\r\n\r\nMatius 5\r\n"
                                   "5:44 Tetapi Aku berkata kepadamu: Kasihilah musuhmu.\r\n"
                                   "\r\n\r\nYohanes 3\r\n"
                                   "3:16 Karena begitu besar kasih Allah akan dunia ini.\r\n"));
    EXPECT_EQ(engine.ListTempFiles(), QStringList{outcome.file});
    EXPECT_EQ(outcome.entry.title,
              QStringLiteral("kasih (Alkitab Terjemahan Baru -- Pencarian di seluruh Alkitab )"));
    EXPECT_TRUE(outcome.entry.summary.contains(QStringLiteral("-- Ditemukan : 2 ayat")));
}

TEST_F(SearchEngineTest, RefusesTextsShorterThanThreeCharactersAndEmptyFirstLists) {
    EXPECT_EQ(Run(Whole(QStringLiteral("ka"))).message,
              QStringLiteral("Kata yang dicari terlalu pendek"));
    EXPECT_EQ(Run(Whole(QStringLiteral("kas"))).kind, Kind::Finished);
    EXPECT_EQ(Run(Whole(QStringLiteral("+kasih"))).message,
              QStringLiteral("Lihat panduan untuk penggunaan syntax pencarian"));
    EXPECT_EQ(Run(Whole(QStringLiteral("^kasih"))).message,
              QStringLiteral("Lihat panduan untuk penggunaan syntax pencarian"));
    const SearchOutcome none = Run(Whole(QStringLiteral("zzzz")));
    EXPECT_EQ(none.kind, Kind::Message);
    EXPECT_EQ(none.message, QStringLiteral("Kata tidak ditemukan"));
    EXPECT_EQ(engine.ListTempFiles().size(), 1);
}

TEST_F(SearchEngineTest, EachScopeReadsOnlyItsChapters) {
    const QString allah = QStringLiteral("Allah");
    EXPECT_EQ(References(Run(In(Scope::Chapter, allah, QStringLiteral("Kejadian"), 1))),
              QStringList({"Kejadian 1|1:1", "Kejadian 1|1:3"}));
    EXPECT_EQ(References(Run(In(Scope::Chapter, allah, QStringLiteral("Kejadian"), 2))),
              QStringList({"Kejadian 2|2:2"}));
    EXPECT_EQ(References(Run(In(Scope::Book, allah, QStringLiteral("Kejadian"), 1))),
              QStringList({"Kejadian 1|1:1", "Kejadian 1|1:3", "Kejadian 2|2:2"}));
    SearchRequest testament = In(Scope::Testament, allah, QStringLiteral("Kejadian"), 1);
    testament.perjanjian = QStringLiteral("Baru");
    EXPECT_EQ(References(Run(testament)), QStringList({"Matius 5|5:3", "Yohanes 3|3:16"}));
    EXPECT_EQ(References(Run(In(Scope::Chapter, QStringLiteral("Berbahagialah"),
                                QStringLiteral("Matius"), 5))),
              QStringList({"Matius 5|5:3", "Matius 5|5:4", "Matius 5|5:5", "Matius 5|5:6"}));
}

TEST_F(SearchEngineTest, DescribesEachScopeInTheHeader) {
    SearchRequest chapter =
        In(Scope::Chapter, QStringLiteral("Allah"), QStringLiteral("Kejadian"), 2);
    chapter.exact = true;
    EXPECT_EQ(ScopeDescription(chapter),
              QStringLiteral(" -- Pencarian di Kejadian 2 -- Kata Tepat"));
    EXPECT_EQ(ScopeDescription(In(Scope::Book, {}, QStringLiteral("Matius"), 1)),
              QStringLiteral(" -- Pencarian di Kitab Matius"));
    EXPECT_EQ(ScopeDescription(In(Scope::Testament, {}, QStringLiteral("Matius"), 1)),
              QStringLiteral(" --Pencarian di perjanjian Lama"));
    EXPECT_TRUE(Text(Run(chapter))
                    .startsWith(QStringLiteral(
                        "Vermara 2.0.0 - (c) LAI 1974\r\n -- Pencarian di Kejadian 2 -- Kata "
                        "Tepat\r\n -- Sintaks Pencarian: Allah\r\n -- Ditemukan : 1 ayat \r\n")));
}

TEST_F(SearchEngineTest, KeyFollowsEveryInputItsScopeNamesAndNothingElse) {
    struct Change {
        const char* what;
        void (*apply)(SearchRequest&);
        bool changes[4]; // per scope 0..3
    };
    const Change changes[] = {
        {"column", [](SearchRequest& r) { r.column = QStringLiteral("Kitab2"); }, {1, 1, 1, 1}},
        {"text", [](SearchRequest& r) { r.text += u'x'; }, {1, 1, 1, 1}},
        {"exact", [](SearchRequest& r) { r.exact = true; }, {1, 1, 1, 1}},
        {"book", [](SearchRequest& r) { r.bookItem = QStringLiteral("Keluaran"); }, {1, 1, 0, 0}},
        {"option", [](SearchRequest& r) { r.oldTestament = false; }, {1, 1, 1, 0}},
        {"chapter", [](SearchRequest& r) { r.chapterIndex = 1; }, {1, 0, 0, 0}},
        {"testament row",
         [](SearchRequest& r) { r.perjanjian = QStringLiteral("Baru"); },
         {0, 0, 0, 0}},
        {"caption", [](SearchRequest& r) { r.caption = QStringLiteral("lain"); }, {0, 0, 0, 0}},
    };
    for (int scope = 0; scope < 4; ++scope) {
        const SearchRequest base =
            In(Scope(scope), QStringLiteral("kasih"), QStringLiteral("Kejadian"), 1);
        for (const Change& change : changes) {
            SearchRequest changed = base;
            change.apply(changed);
            EXPECT_EQ(SearchKey(changed) != SearchKey(base), change.changes[scope])
                << change.what << " in scope " << scope;
        }
    }
    EXPECT_EQ(SearchKey(In(Scope::Chapter, QStringLiteral("it's"), QStringLiteral("Kejadian"), 3)),
              QStringLiteral("Kitab1it''sCari di Pasal aktifKejadianTrueFalse2"));
    EXPECT_EQ(SearchKey(Whole(QStringLiteral("kasih"))), QStringLiteral("Kitab1kasih2False"));
}

TEST_F(SearchEngineTest, EmptyKeyNamesTheFileWithoutANumber) {
    EXPECT_EQ(ResultFileName(QStringLiteral("/tmp"), QString()), QStringLiteral("/tmp/~vr.tmp"));
    EXPECT_EQ(ResultFileName(QStringLiteral("/tmp/"), QStringLiteral("A")),
              QStringLiteral("/tmp/~vr65.tmp"));
}

TEST_F(SearchEngineTest, ExactModeCountsZeroWhenOnlyTheLetterCaseDiffers) {
    SearchRequest request = Whole(QStringLiteral("KASIH"));
    request.exact = true;
    const SearchOutcome outcome = Run(request);
    ASSERT_EQ(outcome.kind, Kind::Finished);
    EXPECT_EQ(outcome.count, 0);
    EXPECT_TRUE(Text(outcome).contains(QStringLiteral(" -- Ditemukan : 0 ayat \r\n")));
    EXPECT_TRUE(References(outcome).isEmpty());
    request.optimal = true;
    EXPECT_EQ(Run(request).kind, Kind::Reused);
}

TEST_F(SearchEngineTest, StoppedSearchMarksItsFileAndIsNeverReused) {
    SearchRequest request = Whole(QStringLiteral("Allah"));
    request.optimal = true;
    bool asked = false;
    const SearchOutcome stopped = Run(request, [&](int, const QString&) {
        if (!std::exchange(asked, true))
            stop.request();
    });
    ASSERT_EQ(stopped.kind, Kind::Stopped);
    EXPECT_FALSE(stop.requested());
    const QString text = Text(stopped);
    EXPECT_TRUE(text.contains(QStringLiteral(" -- Waktu Pencarian : 00:00:00\r\n -- (PENCARIAN "
                                             "DIHENTIKAN)\r\n\r\n--PENCARIAN DIHENTIKAN--")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("--PENCARIAN DIHENTIKAN--")));

    const SearchOutcome again = Run(request);
    EXPECT_EQ(again.kind, Kind::Finished);
    EXPECT_EQ(again.count, 5);
    EXPECT_EQ(Run(request).kind, Kind::Reused);
}

TEST_F(SearchEngineTest, OptimalReusesOnlyAFileWithThisSearchsHeader) {
    SearchRequest kasih = Whole(QStringLiteral("kasih"));
    kasih.optimal = true;
    SearchRequest collision = Whole(QStringLiteral("khsia")); // two letters of equal weight swapped
    collision.optimal = true;
    ASSERT_EQ(QueryKeyHash(SearchKey(kasih)), QueryKeyHash(SearchKey(collision)));

    const SearchOutcome first = Run(kasih);
    ASSERT_EQ(first.kind, Kind::Finished);
    EXPECT_EQ(Run(kasih).kind, Kind::Reused);
    EXPECT_EQ(Run(collision).message, QStringLiteral("Kata tidak ditemukan"));

    // Another search's finished file under this name is searched over and replaced.
    SearchRequest allah = Whole(QStringLiteral("Allah"));
    allah.optimal = true;
    const QString file = ResultFileName(temp.path(), SearchKey(allah));
    QStringList other = HeaderLines(allah);
    other[2] = SyntaxLine(QStringLiteral("lain"));
    ASSERT_TRUE(
        platform::WriteTextFile(file, other.join(QStringLiteral("\r\n")) +
                                          QStringLiteral("\r\n -- Ditemukan : 9 ayat \r\n"
                                                         " -- Waktu Pencarian : 00:00:01\r\n")));
    const SearchOutcome replaced = Run(allah);
    EXPECT_EQ(replaced.kind, Kind::Finished);
    EXPECT_TRUE(Text(replaced).contains(QStringLiteral(" -- Sintaks Pencarian: Allah\r\n")));
    EXPECT_EQ(Run(allah).kind, Kind::Reused);
}

TEST_F(SearchEngineTest, FailureMidwayLeavesNoFileToReuse) {
    SearchRequest request = Whole(QStringLiteral("Allah"));
    request.optimal = true;
    EXPECT_THROW(Run(request, [](int, const QString&) { throw std::runtime_error("lost"); }),
                 std::runtime_error);
    EXPECT_FALSE(QFile::exists(ResultFileName(temp.path(), SearchKey(request))));
    EXPECT_TRUE(engine.ListTempFiles().isEmpty());
    EXPECT_EQ(Run(request).kind, Kind::Finished);
}

// A crash while the file was written could leave it short of the count its summary gives.
TEST_F(SearchEngineTest, AFileCutShortIsSearchedAgainAndNoScratchFileStays) {
    SearchRequest request = Whole(QStringLiteral("Allah"));
    request.optimal = true;
    const SearchOutcome first = Run(request);
    ASSERT_EQ(first.kind, Kind::Finished);
    const QString whole = Text(first);
    const qsizetype lastRecord = whole.lastIndexOf(QStringLiteral("\r\n\r\n\r\n")) + 2;
    for (const qsizetype size : {whole.size() - 1, lastRecord, lastRecord + 2}) {
        ASSERT_TRUE(platform::WriteTextFile(first.file, whole.left(size)));
        EXPECT_EQ(Run(request).kind, Kind::Finished) << size;
        EXPECT_EQ(Text(first), whole);
    }
    EXPECT_EQ(Run(request).kind, Kind::Reused);
    const QString name = QFileInfo(first.file).fileName();
    EXPECT_EQ(QDir(temp.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              QStringList({name, name + QStringLiteral(".store")}));
}

// Another search's file under the same name stays whole while the disk is full.
TEST_F(SearchEngineTest, AFullDiskAtAnyPointOfTheWriteKeepsTheFileThatWasThere) {
    SearchRequest request = Whole(QStringLiteral("Allah"));
    request.optimal = true;
    QTemporaryDir elsewhere;
    SearchEngine fresh(*store, elsewhere.path());
    const QString whole = platform::ReadTextFile(fresh.CariSemua(request, stop).file);
    ASSERT_FALSE(whole.isEmpty());
    const QString file = ResultFileName(temp.path(), SearchKey(request));
    ASSERT_TRUE(platform::WriteTextFile(file, QStringLiteral("hasil pencarian lain\r\n")));
    support::ExpectEveryCutReportedAndFolderKept(temp.path(), whole.toUtf8().size(),
                                                 [&] { return Run(request).kind != Kind::Failed; });
    EXPECT_TRUE(engine.ListTempFiles().isEmpty());
    EXPECT_EQ(Run(request).kind, Kind::Finished);
    EXPECT_EQ(platform::ReadTextFile(file), whole);

    // The last step, the rename over the old name, fails when a folder holds that name.
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_TRUE(QDir().mkpath(file + QStringLiteral("/isi")));
    const support::FileTree before = support::TreeOf(temp.path());
    EXPECT_EQ(Run(request).kind, Kind::Failed);
    EXPECT_EQ(support::TreeOf(temp.path()), before);
}

TEST_F(SearchEngineTest, UnwritableFileOrNoFolderIsReportedAndNotRecorded) {
    QFile blocker(temp.filePath(QStringLiteral("not-a-folder")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    SearchEngine elsewhere(*store, blocker.fileName());
    const SearchOutcome outcome = elsewhere.CariSemua(Whole(QStringLiteral("Allah")), stop);
    EXPECT_EQ(outcome.kind, Kind::Failed);
    EXPECT_TRUE(outcome.message.contains(outcome.file));
    EXPECT_TRUE(elsewhere.ListTempFiles().isEmpty());

    // No folder at all must not become the root folder.
    SearchEngine nowhere(*store, QString());
    const SearchOutcome none = nowhere.CariSemua(Whole(QStringLiteral("Allah")), stop);
    EXPECT_EQ(none.kind, Kind::Failed);
    EXPECT_FALSE(none.message.isEmpty());
    EXPECT_FALSE(QFile::exists(
        ResultFileName(QStringLiteral("/"), SearchKey(Whole(QStringLiteral("Allah"))))));
    EXPECT_TRUE(nowhere.ListTempFiles().isEmpty());
}

TEST_F(SearchEngineTest, YieldsByTimeNotPerLine) {
    int calls = 0;
    const SearchOutcome outcome =
        Run(Whole(QStringLiteral("a&e&i")), [&](int, const QString&) { ++calls; });
    ASSERT_EQ(outcome.kind, Kind::Finished);
    EXPECT_GT(outcome.count, 10);
    EXPECT_LE(calls, 3);
}

TEST_F(SearchEngineTest, AStopRequestLeftFromBeforeDoesNotStopTheNextSearch) {
    stop.request();
    EXPECT_EQ(Run(Whole(QStringLiteral("Allah"))).kind, Kind::Finished);
}

TEST_F(SearchEngineTest, DeuteroSearchesTheChosenVersionAndTakesApostrophesAsText) {
    DeuteroRequest request{QStringLiteral("Teks Toba"), 2, QStringLiteral("Toba"), false, false};
    const SearchOutcome outcome = engine.CariDeutro(request, stop);
    ASSERT_EQ(outcome.kind, Kind::Finished);
    EXPECT_EQ(outcome.count, 5);
    EXPECT_TRUE(Text(outcome).startsWith(
        QStringLiteral("Pencarian di Kitab Deuterokanonika\r\nToba\r\n -- Sintaks Pencarian: "
                       "Teks Toba\r\n -- Ditemukan : 5 ayat \r\n")));
    EXPECT_TRUE(Text(outcome).contains(
        QStringLiteral("\r\n\r\nTambatamba ni buku ni buku ni si Daniel 13\r\n13:1 Teks Toba")));
    EXPECT_EQ(outcome.entry.title, QStringLiteral("Teks Toba (Toba)"));
    EXPECT_EQ(DeuteroKey(request), QStringLiteral("2Teks TobaFalse"));

    request.text = QStringLiteral("Tob'it");
    EXPECT_EQ(DeuteroKey(request), QStringLiteral("2Tob'itFalse"));
    EXPECT_EQ(engine.CariDeutro(request, stop).message, QStringLiteral("Kata tidak ditemukan"));
    request.text = QStringLiteral("te");
    EXPECT_EQ(engine.CariDeutro(request, stop).message,
              QStringLiteral("Kata yang dicari terlalu pendek"));
}

TEST_F(SearchEngineTest, DeleteResultFilesTakesOnlyResultsFilesAndTheirStamps) {
    const QStringList names = {
        "~vr.tmp",     "~vr875.tmp",         "~vr12.tmp.store",  "~vr1.txt",
        "vr2.tmp",     "a~vr3.tmp",          "~vrBookmarks.tmp", "~vrBookmarks.tmp.store",
        "~vrX.tmp",    "~vr12.tmpx",         "~vr-12.tmp",       "~vr1 2.tmp",
        "~vr12.store", "~vr\u0661\u0662.tmp"};
    for (const QString& name : names)
        ASSERT_TRUE(platform::WriteTextFile(temp.filePath(name), name));
    ASSERT_TRUE(QDir(temp.path()).mkpath(QStringLiteral("sub/~vr13.tmp")));
    ASSERT_TRUE(platform::WriteTextFile(temp.filePath(QStringLiteral("sub/~vr12.tmp")), "x"));
    DeleteResultFiles(temp.path());
    QStringList left;
    for (const QString& name : names) {
        if (QFile::exists(temp.filePath(name)))
            left << name;
    }
    EXPECT_EQ(left, names.mid(3));
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("sub/~vr12.tmp"))));
    EXPECT_TRUE(QFileInfo(temp.filePath(QStringLiteral("sub/~vr13.tmp"))).isDir());
    DeleteResultFiles(temp.filePath(QStringLiteral("missing")));

    // No folder is not the working folder.
    const QString working = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(temp.path()));
    ASSERT_TRUE(platform::WriteTextFile(temp.filePath(QStringLiteral("~vr875.tmp")), "x"));
    DeleteResultFiles(QString());
    QDir::setCurrent(working);
    EXPECT_TRUE(QFile::exists(temp.filePath(QStringLiteral("~vr875.tmp"))));
}

TEST_F(SearchEngineTest, OptimalReusesOnlyAFileSearchedInThisStoreAsItIs) {
    SearchRequest request = Whole(QStringLiteral("Allah"));
    request.optimal = true;
    ASSERT_EQ(Run(request).kind, Kind::Finished);
    ASSERT_EQ(Run(request).kind, Kind::Reused);

    // The same store written elsewhere: same key, same header, another file.
    QTemporaryDir otherFolder;
    const std::unique_ptr<store::Store> other =
        store::Store::Open(fixture::WriteFixtureStore(otherFolder.path()));
    SearchEngine otherEngine(*other, temp.path());
    EXPECT_EQ(otherEngine.CariSemua(request, stop).kind, Kind::Finished);
    EXPECT_EQ(Run(request).kind, Kind::Finished);
    EXPECT_EQ(otherEngine.CariSemua(request, stop).kind, Kind::Finished);
    EXPECT_EQ(otherEngine.CariSemua(request, stop).kind, Kind::Reused);

    // The store file changed since: a new engine sees another modification time.
    QFile storeFile(other->path());
    ASSERT_TRUE(storeFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        storeFile.setFileTime(storeFile.fileTime(QFileDevice::FileModificationTime).addSecs(-3600),
                              QFileDevice::FileModificationTime));
    storeFile.close();
    SearchEngine changed(*other, temp.path());
    EXPECT_EQ(changed.CariSemua(request, stop).kind, Kind::Finished);
    EXPECT_EQ(changed.CariSemua(request, stop).kind, Kind::Reused);

    // A file whose stamp is gone is searched again, and stamped anew.
    const QString file = ResultFileName(temp.path(), SearchKey(request));
    ASSERT_TRUE(QFile::remove(ResultsStamp::PathFor(file)));
    EXPECT_EQ(changed.CariSemua(request, stop).kind, Kind::Finished);
    EXPECT_EQ(changed.CariSemua(request, stop).kind, Kind::Reused);
}

} // namespace
