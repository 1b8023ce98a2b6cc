#include "import/ModuleTexts.h"

#include "import/Deuterocanon.h"
#include "import/SwordLibrary.h"

#include <gtest/gtest.h>

TEST(VersionName, DropsTheDeuterocanonFromTheDescriptionOnly) {
    EXPECT_EQ(import::VersionName(QStringLiteral("World English Bible with Deuterocanon")),
              QStringLiteral("World English Bible"));
    EXPECT_EQ(import::VersionName(QStringLiteral("King James Version with Apocrypha ")),
              QStringLiteral("King James Version"));
    EXPECT_EQ(import::VersionName(QStringLiteral("Reina Valera 1909")),
              QStringLiteral("Reina Valera 1909"));
}

TEST(ModuleBookName, PrefersTheShortTitleOfTheTableOfContents) {
    EXPECT_EQ(
        import::ModuleBookName(QStringLiteral(
            "<div type=\"book\"/> <milestone n=\"1 Kings\" type=\"x-usfm-h\"/> <milestone "
            "n=\"The First Book of the Kings\" type=\"x-usfm-toc1\"/> <milestone n=\"1 Reyes\" "
            "type=\"x-usfm-toc2\"/>")),
        QStringLiteral("1 Reyes"));
    EXPECT_EQ(
        import::ModuleBookName(QStringLiteral("<milestone n=\"Génesis\" type=\"x-usfm-h\"/>")),
        QStringLiteral("Génesis"));
    EXPECT_EQ(
        import::ModuleBookName(QStringLiteral("<title type=\"main\">San <hi>Mateo</hi></title>")),
        QStringLiteral("San Mateo"));
    EXPECT_TRUE(import::ModuleBookName(QStringLiteral("<chapter n=\"1\"/>")).isEmpty());
    // Front matter before the first book carries names of its own.
    EXPECT_EQ(import::ModuleBookName(QStringLiteral(
                  "<div type=\"front\"/><milestone n=\"Preface\" type=\"x-usfm-toc2\"/> ... "
                  "<div osisID=\"Gen\" type=\"book\"/><milestone n=\"Genesis\" "
                  "type=\"x-usfm-toc2\"/>")),
              QStringLiteral("Genesis"));
}

TEST(RightsParagraph, NamesTheModuleItsLicenceAndSourceWithoutRepeats) {
    import::ModuleInfo info;
    info.name = QStringLiteral("engKJV2006eb");
    info.description = QStringLiteral("King James Version");
    info.licence = QStringLiteral("Public Domain");
    info.copyright = QStringLiteral("PUBLIC DOMAIN");
    EXPECT_EQ(
        import::RightsParagraph(info),
        QStringLiteral("King James Version (modul SWORD engKJV2006eb)\r\nLisensi: Public Domain"));
    EXPECT_EQ(import::CopyrightLine(info), QStringLiteral("Public Domain"));
    info.licence.clear();
    info.textSource = QStringLiteral("https://ccel.org");
    EXPECT_EQ(import::CopyrightLine(info), QStringLiteral("PUBLIC DOMAIN"));
    EXPECT_TRUE(import::RightsParagraph(info).endsWith(QStringLiteral("Hak cipta: PUBLIC DOMAIN\r\n"
                                                                      "Sumber: https://ccel.org")));
    EXPECT_EQ(import::Fit(QStringLiteral("abc def"), 4), QStringLiteral("abc"));
}

TEST(CorrectedDriver, FallsBackToTheOlderDriverOnlyWhenTheIndexFitsIt) {
    // 8246 entries of 10 bytes: the files of zCom, whatever the configuration says.
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zCom4"), {82460, 241150}),
              QStringLiteral("zCom"));
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zText4"), {82460}), QStringLiteral("zText"));
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zCom4"), {98952, 289380}),
              QStringLiteral("zCom4"));
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zCom4"), {}), QStringLiteral("zCom4"));
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zCom"), {82460}), QStringLiteral("zCom"));
    EXPECT_EQ(import::CorrectedDriver(QStringLiteral("zCom4"), {82460, 120}),
              QStringLiteral("zCom4"));
}

TEST(DeuteroBooks, FollowTheReadersBookTables) {
    const auto& books = import::DeuteroBooks();
    ASSERT_EQ(books.size(), 9u);
    const std::vector<int> chapters = {14, 16, 6, 19, 51, 6, 3, 16, 15};
    for (size_t i = 0; i < books.size(); ++i) {
        EXPECT_EQ(books[i].urutan, int(i + 1));
        EXPECT_EQ(int(books[i].chapters.size()), chapters[i]) << books[i].buku1.toStdString();
        EXPECT_EQ(books[i].buku1, books[i].buku3);
    }
    EXPECT_EQ(books[1].buku2, QStringLiteral("Judit"));
    const import::DeuteroBook& daniel = books[6];
    EXPECT_EQ(daniel.buku1, QStringLiteral("Tambahan Daniel"));
    EXPECT_EQ(daniel.chapters[0].chapter, 3);
    EXPECT_EQ(daniel.chapters[1].chapter, 13);
    EXPECT_EQ(daniel.chapters[2].chapter, 14);
    EXPECT_EQ(daniel.chapters[1].sources.front(),
              (std::pair<QString, int>{QStringLiteral("Sus"), 1}));
    // Baruch 6, the Letter of Jeremiah, is found in either form.
    EXPECT_EQ(books[5].chapters[5].sources.size(), 2u);
}
