#include "import/DataFiles.h"

#include "import/ImportError.h"
#include "scripture/BookCatalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <type_traits>

namespace {

const QString ParableHeader =
    QStringLiteral("Urutan\tPerumpamaan\tMatius\tMarkus\tLukas\tYohanes\n");
const QString ProphecyHeader = QStringLiteral("Urutan\tNubuat\tLama\tBaru\n");

class DataFilesTest : public testing::Test {
protected:
    QString writeBytes(const QString& name, const QByteArray& bytes) {
        const QString path = dir_.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString write(const QString& name, const QString& text) {
        return writeBytes(name, text.toUtf8());
    }

    // The message of the ImportError that reading the file raises; empty when none is raised.
    template <typename Reader> static QString failure(Reader read, const QString& path) {
        try {
            if constexpr (std::is_invocable_v<Reader, const QString&>)
                read(path);
            else
                read(path, {});
        } catch (const import::ImportError& error) {
            return error.message();
        }
        return {};
    }

private:
    QTemporaryDir dir_;
};

// The repository's data folder, found from this source file.
QString ShippedData(const QString& name) {
    return QDir(QStringLiteral(VERMARA_DATA_DIR)).filePath(name);
}

TEST_F(DataFilesTest, ParablesKeepEveryGospelAndMakeEmptyCellsNull) {
    const QString path =
        write("p.tsv", ParableHeader + "1\tPenabur\tMatius#13:3-9\tMarkus#4:3-9\tLukas#8:5-8\t\r\n"
                                       "\r\n"
                                       "2\t Anak yang Hilang \t\t\tLukas#15:11-32\t\r\n"
                                       "3\tGembala yang Baik\t\t\t\tYohanes#10:1-18\n\n");
    const auto rows = import::ReadParables(path);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].urutan, 1);
    EXPECT_EQ(rows[0].matius, "Matius#13:3-9");
    EXPECT_EQ(rows[0].markus, "Markus#4:3-9");
    EXPECT_EQ(rows[0].lukas, "Lukas#8:5-8");
    EXPECT_TRUE(rows[0].yohanes.isNull());
    EXPECT_EQ(rows[1].perumpamaan, "Anak yang Hilang");
    EXPECT_TRUE(rows[1].matius.isNull());
    EXPECT_TRUE(rows[1].markus.isNull());
    EXPECT_EQ(rows[1].lukas, "Lukas#15:11-32");
    EXPECT_EQ(rows[2].urutan, 3);
    EXPECT_EQ(rows[2].yohanes, "Yohanes#10:1-18");
}

TEST_F(DataFilesTest, PropheciesReadTheirTwoReferences) {
    const QString path =
        write("n.tsv", ProphecyHeader +
                           "7\tLahir di Betlehem\tMikha#5:2\tMatius#2:4-6\n"
                           "8\tNabi seperti Musa\tUlangan#18:15\tKisah Para Rasul#3:22-23\n");
    const auto rows = import::ReadProphecies(path);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].urutan, 7);
    EXPECT_EQ(rows[0].nubuat, "Lahir di Betlehem");
    EXPECT_EQ(rows[0].lama, "Mikha#5:2");
    EXPECT_EQ(rows[1].baru, "Kisah Para Rasul#3:22-23");
}

TEST_F(DataFilesTest, EachBadParableRowIsRejectedNamingFileAndLine) {
    const struct {
        QString row;
        QString cause;
    } cases[] = {
        {"1\tPenabur\tMatius#13:3-9\t\tLukas#8:5-8", "5 kolom"},
        {"x\tPenabur\tMatius#13:3-9\t\t\t", "Urutan"},
        {"0\tPenabur\tMatius#13:3-9\t\t\t", "Urutan"},
        {"1\t\tMatius#13:3-9\t\t\t", "nama kosong"},
        {"1\tPenabur\tMatius 13:3-9\t\t\t", "Matius 13:3-9"},
        {"1\tPenabur\tMatius#13:9-3\t\t\t", "Matius#13:9-3"},
        {"1\tPenabur\tMatius# 13:3-9\t\t\t", "Matius# 13:3-9"},
        {"1\tPenabur\tMatthew#13:3-9\t\t\t", "Matthew#13:3-9"},
        {"1\tPenabur\tMarkus#4:3-9\t\t\t", "Markus#4:3-9"},
        {"1\tPenabur\t\t\t\t", "tidak ada rujukan"},
        {"1\t" + QString(256, u'a') + "\tMatius#13:3-9\t\t\t", "255"},
        {"1\tRAGI\tMatius#13:33\t\t\t", "sudah dipakai"},
    };
    for (const auto& c : cases) {
        const QString path =
            write("bad.tsv", ParableHeader + "1\tRagi\t\t\tLukas#13:20-21\t\n\n" + c.row + "\n");
        const QString message = failure(import::ReadParables, path);
        EXPECT_TRUE(message.contains(path + " baris 4")) << message.toStdString();
        EXPECT_TRUE(message.contains(c.cause)) << message.toStdString();
    }
}

TEST_F(DataFilesTest, EachBadProphecyRowIsRejectedNamingFileAndLine) {
    const QString cases[] = {
        "1\tNubuat\tMatius#1:1\tMatius#1:22-23", // fulfilment side in the Old column
        "1\tNubuat\tYesaya#7:14\tYesaya#7:14",   // prophecy side in the New column
        "1\tNubuat\tYesaya#7:14\t",              // no fulfilment
        "1\t" + QString(51, u'n') + "\tYesaya#7:14\tMatius#1:22-23",
        "40000\tNubuat\tYesaya#7:14\tMatius#1:22-23", // beyond the 16-bit Urutan
        "1\tNubuat\tYesaya#7:14",
    };
    for (const QString& row : cases) {
        const QString path = write("bad.tsv", ProphecyHeader + row + "\n");
        const QString message = failure(import::ReadProphecies, path);
        EXPECT_TRUE(message.contains(path + " baris 2"))
            << row.toStdString() << " -> " << message.toStdString();
    }
}

TEST_F(DataFilesTest, WrongHeaderOrMissingFileNamesTheFile) {
    const QString swapped =
        write("h.tsv", QStringLiteral("Urutan\tPerumpamaan\tMarkus\tMatius\tLukas\tYohanes\n"));
    EXPECT_TRUE(failure(import::ReadParables, swapped).contains(swapped + " baris 1"));
    const QString missing = QDir::temp().filePath("tidak-ada/parables.tsv");
    EXPECT_TRUE(failure(import::ReadParables, missing).contains(missing));
    EXPECT_TRUE(failure(import::ReadProphecies, missing).contains(missing));
    EXPECT_TRUE(failure(import::ReadDataText, missing).contains(missing));
}

TEST_F(DataFilesTest, DataTextGetsCrLfLineEndsWithoutTrailingBlankLines) {
    const QString path =
        writeBytes("t.txt", QByteArray("\xEF\xBB\xBFJudul\n\nbaris\r\nakhir\rkata\r\n\r\n  \n"));
    EXPECT_EQ(import::ReadDataText(path), "Judul\r\n\r\nbaris\r\nakhir\r\nkata");
    EXPECT_EQ(import::ReadDataText(write("e.txt", QString())), "");
}

TEST(ShippedDataFiles, ParablesAndPropheciesParseWithCanonicalReferencesAndUniqueOrder) {
    const auto parables = import::ReadParables(ShippedData("parables.tsv"));
    const auto prophecies = import::ReadProphecies(ShippedData("prophecies.tsv"));
    EXPECT_GE(parables.size(), 30u);
    EXPECT_GE(prophecies.size(), 30u);
    const auto bookOf = [](const QString& key) { return key.left(key.indexOf(u'#')); };
    QSet<int> order;
    for (const auto& row : parables) {
        EXPECT_FALSE(order.contains(row.urutan)) << row.urutan;
        order.insert(row.urutan);
        for (const QString& key : {row.matius, row.markus, row.lukas, row.yohanes}) {
            if (!key.isNull()) {
                EXPECT_GE(scripture::GetBookIndexNT(bookOf(key)), 0) << key.toStdString();
            }
        }
    }
    order.clear();
    for (const auto& row : prophecies) {
        EXPECT_FALSE(order.contains(row.urutan)) << row.urutan;
        order.insert(row.urutan);
        EXPECT_GE(scripture::GetBookIndexOT(bookOf(row.lama)), 0) << row.lama.toStdString();
        EXPECT_GE(scripture::GetBookIndexNT(bookOf(row.baru)), 0) << row.baru.toStdString();
    }
}

TEST(ShippedDataFiles, InfoTextsAndTipsAreThere) {
    for (const char* name : {"info_about.txt", "info_rules.txt", "info_rights.txt"})
        EXPECT_GT(import::ReadDataText(ShippedData(name)).size(), 200) << name;
    const QString edition = import::ReadDataText(ShippedData("info_edition.txt"));
    EXPECT_FALSE(edition.isEmpty());
    EXPECT_FALSE(edition.contains(u'\n'));
    QFile tips(ShippedData("VR_tips.dat"));
    ASSERT_TRUE(tips.open(QIODevice::ReadOnly));
    const QByteArray bytes = tips.readAll();
    EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')); // every line ends in CR LF
    const QStringList lines = QString::fromUtf8(bytes).split("\r\n", Qt::SkipEmptyParts);
    EXPECT_GE(lines.size(), 15);
}

} // namespace
