#include "study/DeuteroBooks.h"
#include "study/PictureFiles.h"
#include "study/StudyLookups.h"
#include "study/TypeAhead.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace study;

namespace {

store::ParableRow Parable(const char* name, const char* matius, const char* markus,
                          const char* lukas, const char* yohanes) {
    const auto text = [](const char* value) {
        return value ? QString::fromUtf8(value) : QString();
    };
    store::ParableRow row;
    row.perumpamaan = text(name);
    row.matius = text(matius);
    row.markus = text(markus);
    row.lukas = text(lukas);
    row.yohanes = text(yohanes);
    return row;
}

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(ProperCase, CapitalisesEachWordAndLowersTheRest) {
    EXPECT_EQ(ProperCase(QStringLiteral("anak yang HILANG")), QStringLiteral("Anak Yang Hilang"));
    EXPECT_EQ(ProperCase(QStringLiteral("  penabur ")), QStringLiteral("  Penabur "));
    EXPECT_EQ(ProperCase(QStringLiteral("raja'S damai")), QStringLiteral("Raja's Damai"));
    EXPECT_EQ(ProperCase(QString()), QString());
}

TEST(ParableLookup, FindsNamesWhateverTheirCaseBlanksOrApostrophes) {
    const std::vector<store::ParableRow> rows = {
        Parable("  Penabur ", "Matius#13:3-8", nullptr, "Lukas#8:5-8", nullptr),
        Parable("ANAK YANG HILANG", nullptr, nullptr, "Lukas#15:11-32", nullptr),
        Parable("Domba 'yang' Hilang", nullptr, nullptr, nullptr, "Yohanes#10:1-5")};
    EXPECT_EQ(FindParable(rows, QStringLiteral("Penabur")), &rows[0]);
    EXPECT_EQ(FindParable(rows, QStringLiteral(" Anak Yang Hilang  ")), &rows[1]);
    EXPECT_EQ(FindParable(rows, QStringLiteral("Domba 'Yang' Hilang")), &rows[2]);
    EXPECT_EQ(FindParable(rows, QStringLiteral("Anak Yang")), nullptr);
    EXPECT_EQ(FindParable({}, QStringLiteral("Penabur")), nullptr);
}

TEST(ParableLookup, FirstGospelSkipsNullAndBlankFields) {
    EXPECT_EQ(FirstGospel(GospelReferences(Parable("a", nullptr, nullptr, "L#1:1", nullptr))), 2);
    EXPECT_EQ(FirstGospel(GospelReferences(Parable("a", "M#1:1", "Mk#1:1", nullptr, nullptr))), 0);
    EXPECT_EQ(FirstGospel(GospelReferences(Parable("a", " ", nullptr, nullptr, "Y#1:1"))), 3);
    EXPECT_EQ(FirstGospel(GospelReferences(Parable("a", nullptr, nullptr, nullptr, nullptr))), -1);
}

TEST(ProphecyLookup, FindsTheFirstRowIgnoringCaseAndBlanks) {
    std::vector<store::ProphecyRow> rows(3);
    rows[0].nubuat = QStringLiteral("raja DAMAI ");
    rows[1].nubuat = QStringLiteral("Anak dara mengandung");
    rows[2].nubuat = QStringLiteral("Anak Dara Mengandung");
    EXPECT_EQ(FindProphecy(rows, QStringLiteral("Raja Damai")), &rows[0]);
    EXPECT_EQ(FindProphecy(rows, QStringLiteral("Anak Dara Mengandung")), &rows[1]);
    EXPECT_EQ(FindProphecy(rows, QStringLiteral("Raja")), nullptr);
}

TEST(Thematic, TopicsDifferingInCaseOrBlanksShareTheirReferencesInRowOrder) {
    const std::vector<store::ThematicRow> rows = {
        {1, QStringLiteral(" kasih "), QStringLiteral("A#1:1")},
        {2, QStringLiteral("Iman"), QStringLiteral("B#2:2")},
        {3, QStringLiteral("KASIH"), QStringLiteral("C#3:3")}};
    EXPECT_EQ(ThematicReferences(rows, QStringLiteral("Kasih")),
              QStringList({QStringLiteral("A#1:1"), QStringLiteral("C#3:3")}));
    EXPECT_EQ(ThematicReferences(rows, QStringLiteral(" KASIH ")).size(), 2);
    EXPECT_TRUE(ThematicReferences(rows, QStringLiteral("Kasi")).isEmpty());
    EXPECT_TRUE(ThematicReferences({}, QStringLiteral("Kasih")).isEmpty());
}

TEST(Thematic, HeadingKeepsTheBookPartUpToTheHash) {
    EXPECT_EQ(ThematicHeading(QStringLiteral("Kasih"), QStringLiteral("Matius#5:44-45")),
              QStringLiteral("Kasih\nMatius# "));
    EXPECT_EQ(ThematicHeading(QStringLiteral("Kasih"), QStringLiteral("Matius 5:44")),
              QStringLiteral("Kasih\n "));
    EXPECT_EQ(ClipBookEntry(QStringLiteral("Kasih\nMatius# "), QStringLiteral("5:44 Kasihilah")),
              QStringLiteral("Kasih\nMatius# 5:44 Kasihilah\n\n"));
}

TEST(TypeAhead, SearchesAfterTheStartItemAndWrapsRound) {
    const QStringList items = {QStringLiteral("Abba"), QStringLiteral("Abraham"),
                               QStringLiteral("Babel"), QStringLiteral("Zion")};
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("a"), 0), 1);         // the second of two
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("ABB"), 0), 0);       // wraps back to the first
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("z"), 0), 3);         // the last item
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("bA"), 3), 2);        // start at the last item
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("Abrahams"), 0), -1); // longer than the item
    EXPECT_EQ(FindStringFrom(items, QStringLiteral("x"), 0), -1);
    EXPECT_EQ(FindStringFrom(items, QString(), 0), -1);
    EXPECT_EQ(FindStringFrom({}, QStringLiteral("a"), 0), -1);
    EXPECT_EQ(FindStringFrom({QStringLiteral("abba")}, QStringLiteral("A"), 0), 0);
}

TEST(DeuteroBooks, NineBooksPerVersionWithTheirOwnNames) {
    for (int version = 1; version <= 3; ++version)
        EXPECT_EQ(DeuteroBookNames(version).size(), kDeuteroBookCount);
    EXPECT_EQ(DeuteroBookNames(1).first(), QStringLiteral("Tobit"));
    EXPECT_EQ(DeuteroBookNames(1).last(), QStringLiteral("II Makabe"));
    EXPECT_EQ(DeuteroBookNames(2)[1], QStringLiteral("Judit"));
    EXPECT_EQ(DeuteroBookNames(3), DeuteroBookNames(1));
}

TEST(DeuteroBooks, DanielsAdditionsHaveChapters3_13And14) {
    EXPECT_EQ(DeuteroChapters(6, DeuteroBookNames(1)[6]), QList<int>({3, 13, 14}));
    EXPECT_EQ(DeuteroChapters(6, DeuteroBookNames(2)[6]), QList<int>({3, 13, 14}));
    const QList<int> tobit = DeuteroChapters(0, QStringLiteral("Tobit"));
    ASSERT_EQ(tobit.size(), 14);
    EXPECT_EQ(tobit.first(), 1);
    EXPECT_EQ(tobit.last(), 14);
    EXPECT_EQ(DeuteroChapters(8, QStringLiteral("II Makabe")).size(), 15);
    EXPECT_TRUE(DeuteroChapters(9, QStringLiteral("Tobit")).isEmpty());
    EXPECT_TRUE(DeuteroChapters(-1, QStringLiteral("Tobit")).isEmpty());
}

TEST(DeuteroBooks, TitleComesFromTheStoreWhenItHasOne) {
    const std::vector<store::InfoRow> info = {{99, QStringLiteral("Database")},
                                              {202, QStringLiteral(" Deutero Toba 1989 ")},
                                              {203, QStringLiteral("  ")}};
    EXPECT_EQ(DeuteroTitle(info, 1), QStringLiteral("Deuterokanonika Terjemahan Baru"));
    EXPECT_EQ(DeuteroTitle(info, 2), QStringLiteral("Deutero Toba 1989"));
    EXPECT_EQ(DeuteroTitle(info, 3),
              QStringLiteral("Deuterokanonika Bahasa Indonesia Sehari-hari"));
    EXPECT_TRUE(DeuteroTitle(info, 0).isEmpty());
    EXPECT_TRUE(DeuteroTitle(info, 4).isEmpty());
}

TEST(DeuteroBooks, FindsARowByBookIndexAndChapterNumber) {
    std::vector<store::DeuteroRow> rows(3);
    rows[0].urutan = 1, rows[0].bab = 1;
    rows[1].urutan = 7, rows[1].bab = 3;
    rows[2].urutan = 7, rows[2].bab = 13;
    EXPECT_EQ(FindDeuteroRow(rows, 0, 1), 0);
    EXPECT_EQ(FindDeuteroRow(rows, 6, 13), 2);
    EXPECT_EQ(FindDeuteroRow(rows, 6, 1), -1);
    EXPECT_EQ(FindDeuteroRow({}, 0, 1), -1);
}

TEST(PictureFiles, DataFolderFirstThenTheProgramFolder) {
    QTemporaryDir dir;
    const QString data = dir.filePath(QStringLiteral("data/"));
    const QString program = dir.filePath(QStringLiteral("program"));
    Touch(data + QStringLiteral("Peta/israel.png"));
    Touch(program + QStringLiteral("/peta/israel.png"));
    Touch(program + QStringLiteral("/peta/kanon.png"));
    EXPECT_EQ(PicturePath(data, program, QStringLiteral("israel.png")),
              data + QStringLiteral("Peta/israel.png")); // no doubled separator
    EXPECT_EQ(PicturePath(data, program, QStringLiteral("kanon.png")),
              program + QStringLiteral("/peta/kanon.png"));
    EXPECT_EQ(PicturePath(data, program, QStringLiteral("hilang.png")),
              program + QStringLiteral("/peta/hilang.png"));
}

TEST(PictureFiles, FolderNameIsMatchedWhateverItsCase) {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("PETA/a.png")));
    EXPECT_EQ(PictureFolder(dir.path(), QStringLiteral("peta")),
              dir.filePath(QStringLiteral("PETA")));
    EXPECT_EQ(PictureFolder(dir.path(), QStringLiteral("gambar")),
              dir.filePath(QStringLiteral("gambar")));
}

TEST(PictureFiles, AllPicturesListsOnlyThoseInTheProgramFolder) {
    QTemporaryDir dir;
    Touch(dir.filePath(QStringLiteral("peta/kanon.png")));
    std::vector<store::PictureRow> rows(3);
    rows[0] = {
        QStringLiteral("Peta"), QStringLiteral("Peta Israel"), QStringLiteral("israel.png"), {}};
    rows[1] = {
        QStringLiteral("Bagan"), QStringLiteral("Bagan Kanon"), QStringLiteral("kanon.png"), {}};
    rows[2] = {QStringLiteral("peta"), QStringLiteral("Tanpa File"), QString(), {}};
    EXPECT_EQ(TitlesOf(rows, kAllPictures, dir.path()),
              QStringList({QStringLiteral("Bagan Kanon")}));
    EXPECT_EQ(TitlesOf(rows, QStringLiteral("Peta"), dir.path()),
              QStringList({QStringLiteral("Peta Israel")}));
    EXPECT_TRUE(TitlesOf(rows, QStringLiteral("Kota"), dir.path()).isEmpty());
    EXPECT_EQ(FindPicture(rows, QStringLiteral("bagan kanon")), &rows[1]);
}

TEST(PictureScroll, BarsOnlyForPicturesLargerThanTheViewAndBeyond16Bits) {
    EXPECT_FALSE(PictureScrollRange(300, 400).enabled);
    EXPECT_FALSE(PictureScrollRange(400, 400).enabled);
    const ScrollRange one = PictureScrollRange(401, 400);
    EXPECT_TRUE(one.enabled);
    EXPECT_EQ(one.maximum, 1);
    EXPECT_EQ(one.step, 200);
    const ScrollRange large = PictureScrollRange(100000, 500);
    EXPECT_EQ(large.maximum, 99500);
}
