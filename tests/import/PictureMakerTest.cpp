#include "import/PictureMaker.h"

#include "import/ImportError.h"
#include "scripture/BookCatalogue.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <set>

namespace {

using import::BookFacts;

std::vector<BookFacts> Books(int first, int last) {
    std::vector<BookFacts> books;
    for (int position = first; position <= last; ++position) {
        BookFacts book;
        book.position = position;
        book.oldTestament = position <= 39;
        book.name = scripture::CanonicalName(position);
        book.chapters = 1 + position % 29;
        book.verses = 20 * book.chapters + position;
        books.push_back(book);
    }
    return books;
}

// Every row names a distinct, loadable picture of a sensible size, with fields that fit the table.
void ExpectSoundPictures(const QString& folder, const std::vector<store::PictureRow>& rows) {
    QSet<QString> titles;
    QSet<QString> files;
    QSet<QString> categories;
    for (const auto& row : rows) {
        EXPECT_FALSE(row.kategori.isEmpty());
        EXPECT_LE(row.kategori.size(), 50);
        EXPECT_FALSE(row.judul.isEmpty());
        EXPECT_LE(row.judul.size(), 100);
        EXPECT_LE(row.gambar.size(), 50);
        EXPECT_FALSE(row.gambar.contains(u'/'));
        EXPECT_GT(row.keterangan.size(), 40);
        titles.insert(row.judul);
        files.insert(row.gambar);
        categories.insert(row.kategori);
        const QImage image(QDir(folder).filePath(row.gambar));
        ASSERT_FALSE(image.isNull()) << row.gambar.toStdString();
        EXPECT_GE(image.width(), 1000);
        EXPECT_LE(image.width(), 1600);
        EXPECT_GE(image.height(), 250);
    }
    EXPECT_EQ(titles.size(), qsizetype(rows.size())); // the maps window looks pictures up by title
    EXPECT_EQ(files.size(), qsizetype(rows.size()));
    EXPECT_GE(categories.size(), 2);
}

TEST(PictureMaker, DrawsSixOrMorePicturesInTwoOrMoreCategoriesIntoANewFolder) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("data/Peta");
    const auto rows = import::DrawPictures(folder, Books(1, 66));
    EXPECT_GE(rows.size(), 6u);
    ExpectSoundPictures(folder, rows);
}

TEST(PictureMaker, CaptionsStateTheFactsGiven) {
    QTemporaryDir dir;
    auto books = Books(1, 66);
    books[18].chapters = 150; // Mazmur
    const auto rows = import::DrawPictures(dir.path(), books);
    const auto chapters = std::find_if(rows.begin(), rows.end(), [](const auto& row) {
        return row.judul == "Jumlah pasal kitab-kitab Perjanjian Lama";
    });
    ASSERT_NE(chapters, rows.end());
    EXPECT_TRUE(chapters->keterangan.contains("Pasal terbanyak: Mazmur (150)"))
        << chapters->keterangan.toStdString();
}

TEST(PictureMaker, BooksOfOneTestamentGiveNoEmptyChartOfTheOther) {
    QTemporaryDir dir;
    const auto rows = import::DrawPictures(dir.path(), Books(40, 42));
    EXPECT_EQ(rows.size(), 5u);
    for (const auto& row : rows)
        EXPECT_FALSE(row.judul.contains("Perjanjian Lama")) << row.judul.toStdString();
    ExpectSoundPictures(dir.path(), rows);
}

TEST(PictureMaker, AFolderThatCannotBeMadeIsReportedByName) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("berkas"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString folder = dir.filePath("berkas/Peta");
    try {
        import::DrawPictures(folder, Books(1, 3));
        FAIL() << "no error for " << folder.toStdString();
    } catch (const import::ImportError& error) {
        EXPECT_TRUE(error.message().contains(folder)) << error.message().toStdString();
    }
}

// Each picture in turn is the one that no longer fits, by its last byte: the drawing stops
// with the file named instead of leaving a picture cut short.
TEST(PictureMaker, APictureTheDiskCannotHoldWholeStopsTheDrawing) {
    QTemporaryDir whole;
    import::DrawPictures(whole.path(), Books(1, 66));
    std::set<qint64> sizes;
    for (QDirIterator it(whole.path(), QDir::Files); it.hasNext();)
        sizes.insert(it.nextFileInfo().size());
    ASSERT_GE(sizes.size(), 6u);
    for (const qint64 size : sizes) {
        QTemporaryDir dir;
        try {
            const FileSizeLimit full(rlim_t(size - 1));
            import::DrawPictures(dir.path(), Books(1, 66));
            ADD_FAILURE() << "pictures of " << size << " bytes were kept with one byte less";
        } catch (const import::ImportError& error) {
            EXPECT_TRUE(error.message().startsWith(QStringLiteral("Gambar tidak dapat ditulis: ") +
                                                   dir.path()));
        }
    }
}

} // namespace
