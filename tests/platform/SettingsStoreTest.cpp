#include "platform/SettingsStore.h"

#include "platform/AnsiCodePage.h"
#include "support/WriteFailures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::SettingsStore;

namespace {

class SettingsStoreTest : public testing::Test {
protected:
    // Stands in for a file edited by hand or left by another program.
    void writeFile(const QByteArray& bytes) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("sub/vermara.ini"));
    SettingsStore store{path};
};

TEST_F(SettingsStoreTest, NamesMatchWithoutRegardToCaseAndKeepFirstSpelling) {
    EXPECT_TRUE(store.set("VR2000", "CDInstall", "Installed", "yes"));
    EXPECT_TRUE(store.set("12345", "Opsi", "Optimal", "1"));
    EXPECT_EQ(store.get("vr2000", "cdinstall", "INSTALLED"), "yes");
    EXPECT_EQ(store.get("12345", "OPSI", "optimal"), "1");

    EXPECT_TRUE(store.set("12345", "opsi", "OPTIMAL", "0"));
    EXPECT_EQ(store.get("12345", "Opsi", "Optimal"), "0");
    const QString text = platform::ReadTextFile(path);
    EXPECT_TRUE(text.contains("Optimal=0")) << text.toStdString();
    EXPECT_FALSE(text.contains("OPTIMAL")) << text.toStdString();
}

TEST_F(SettingsStoreTest, MissingKeysGiveTheDefaultAndRemoveForgetsOnlyThatKey) {
    EXPECT_EQ(store.get("VR2000", "CDInstall", "Loc", "/media/cd"), "/media/cd");
    EXPECT_FALSE(store.contains("VR2000", "CDInstall", "Loc"));

    store.set("1", "font", "size", "10.5");
    store.set("1", "font", "name", "Times New Roman");
    store.set("2", "font", "size", "12");
    EXPECT_TRUE(store.remove("1", "FONT", "Size"));
    EXPECT_FALSE(store.contains("1", "font", "size"));
    EXPECT_EQ(store.get("1", "font", "size", "10"), "10");
    EXPECT_EQ(store.get("1", "font", "name"), "Times New Roman");
    EXPECT_EQ(store.get("2", "font", "size"), "12");
    EXPECT_TRUE(store.remove("1", "font", "nothing-here"));
}

TEST_F(SettingsStoreTest, AwkwardValuesAndNamesSurviveARoundTrip) {
    const QStringList values = {"a=b;c",      "line one\r\nline two",
                                "  padded\t", "Ṭuhan € 100%",
                                "[Opsi\\x]",  "%41",
                                ";starts",    ""};
    for (int i = 0; i < values.size(); ++i)
        store.set("C:\\Program Files\\VR", "sec [x]", QString("key=%1;").arg(i), values[i]);

    const SettingsStore other(path);
    for (int i = 0; i < values.size(); ++i)
        EXPECT_EQ(other.get("c:\\program files\\vr", "SEC [X]", QString("KEY=%1;").arg(i), "-"),
                  values[i])
            << i;
}

TEST_F(SettingsStoreTest, TwoStoresOnOneFileKeepEachOthersKeys) {
    SettingsStore reader(path);
    SettingsStore customizer(path);
    reader.set("VR2000", "CDInstall", "Installed", "yes");
    customizer.set("VR2000", "CDInstall", "Loc", "/media/cdrom");
    reader.set("777", "kitab", "buku", "3");
    EXPECT_EQ(customizer.get("777", "kitab", "buku"), "3");
    EXPECT_EQ(reader.get("VR2000", "CDInstall", "Loc"), "/media/cdrom");
    EXPECT_EQ(reader.get("VR2000", "CDInstall", "Installed"), "yes");
}

TEST_F(SettingsStoreTest, CorruptLinesAreSkippedAndTheRestIsRead) {
    writeFile("garbage before any group\r\n"
              "[VR2000\\CDInstall]\r\n"
              "Loc = /media/cd \r\n"
              "no equals sign here\r\n"
              "=value without key\r\n"
              "; a comment\r\n"
              "[broken header\r\n"
              "Lost=1\r\n"
              "[VR2000\\Other]\r\n"
              "Kept=\xff\xfe\r\n");

    EXPECT_EQ(store.get("VR2000", "CDInstall", "Loc"), "/media/cd");
    EXPECT_FALSE(store.contains("broken header", "", "Lost"));
    EXPECT_FALSE(store.contains("VR2000", "CDInstall", "Lost"));
    // Not UTF-8, so the file was read as Windows-1252.
    EXPECT_EQ(store.get("VR2000", "Other", "Kept"), QString::fromLatin1("\xff\xfe"));

    EXPECT_TRUE(store.set("VR2000", "Other", "New", "1"));
    EXPECT_EQ(store.get("VR2000", "CDInstall", "Loc"), "/media/cd");
    EXPECT_EQ(store.get("VR2000", "Other", "New"), "1");
}

TEST_F(SettingsStoreTest, StrayPercentSignsAndOddHeadersReadAsAHandEditLeftThem) {
    writeFile("[VR2000\\Opsi]\n"
              "Zoom=100%\n"
              "Pola=50%zz %4\n"
              "Kode=%41%42\n"
              "[a\\b\\c]\n"
              "Lost=1\n"
              "[Kosong\\]\n"
              "Key=v\n");

    EXPECT_EQ(store.get("VR2000", "Opsi", "Zoom"), "100%");
    EXPECT_EQ(store.get("VR2000", "Opsi", "Pola"), "50%zz %4");
    EXPECT_EQ(store.get("VR2000", "Opsi", "Kode"), "AB");
    // A header with two separators names no group, so its entries go nowhere.
    EXPECT_FALSE(store.contains("a", "b\\c", "Lost"));
    EXPECT_FALSE(store.contains("a\\b", "c", "Lost"));
    EXPECT_EQ(store.get("Kosong", "", "Key"), "v");

    // Rewriting the file keeps those values as they were read.
    ASSERT_TRUE(store.set("VR2000", "Opsi", "Baru", "1"));
    EXPECT_EQ(store.get("VR2000", "Opsi", "Zoom"), "100%");
    EXPECT_EQ(store.get("VR2000", "Opsi", "Pola"), "50%zz %4");
    EXPECT_EQ(store.get("Kosong", "", "Key"), "v");
}

// Read and write failures are injected, so they happen for every user, root included.
TEST_F(SettingsStoreTest, UnreadableFileReadsEmptyAndIsNotOverwritten) {
    ASSERT_TRUE(store.set("a", "b", "c", "kept"));
    bool failReads = true;
    platform::SettingsFileAccess access = platform::DefaultFileAccess();
    access.read = [&failReads](const QString& file, bool* ok) {
        if (!failReads)
            return platform::ReadTextFile(file, ok);
        *ok = false;
        return QString();
    };
    SettingsStore failing(path, access);

    EXPECT_EQ(failing.get("a", "b", "c", "default"), "default");
    EXPECT_FALSE(failing.contains("a", "b", "c"));
    EXPECT_FALSE(failing.set("a", "b", "d", "new"));
    EXPECT_FALSE(failing.remove("a", "b", "c"));
    EXPECT_EQ(platform::ReadTextFile(path), "[a\\b]\nc=kept\n");

    // Once the file reads again, it is taken up although it did not change.
    failReads = false;
    EXPECT_EQ(failing.get("a", "b", "c"), "kept");
}

TEST_F(SettingsStoreTest, AFailedWriteChangesNeitherTheFileNorWhatIsRead) {
    ASSERT_TRUE(store.set("a", "b", "c", "kept"));
    platform::SettingsFileAccess access = platform::DefaultFileAccess();
    access.write = [](const QString&, const QString&) { return false; };
    SettingsStore failing(path, access);

    EXPECT_FALSE(failing.set("a", "b", "c", "lost"));
    EXPECT_FALSE(failing.set("a", "b", "new", "lost"));
    EXPECT_EQ(failing.get("a", "b", "c"), "kept");
    EXPECT_FALSE(failing.contains("a", "b", "new"));
    EXPECT_EQ(platform::ReadTextFile(path), "[a\\b]\nc=kept\n");
}

TEST_F(SettingsStoreTest, AFullDiskAtAnyPointOfTheWriteKeepsTheOldFileWhole) {
    ASSERT_TRUE(store.set("a", "b", "c", "kept"));
    // Longer than the lock file, so that some cuts fall inside the settings file itself.
    const QString value(1000, u'x');
    const qint64 newSize = QFileInfo(path).size() + QByteArray("new=\n").size() + value.size();
    support::ExpectEveryCutReportedAndFolderKept(QFileInfo(path).absolutePath(), newSize,
                                                 [&] { return store.set("a", "b", "new", value); });
    EXPECT_FALSE(store.contains("a", "b", "new"));
    ASSERT_TRUE(store.set("a", "b", "new", value));
    EXPECT_EQ(QFileInfo(path).size(), newSize);
}

// A key that could not be read back, or a file whose folder cannot be made, is refused
// without touching what is there.
TEST_F(SettingsStoreTest, AnEmptyKeyOrAFileInPlaceOfTheFolderIsRefused) {
    ASSERT_TRUE(store.set("a", "b", "c", "kept"));
    EXPECT_FALSE(store.set("a", "b", "", "lost"));
    EXPECT_EQ(platform::ReadTextFile(path), "[a\\b]\nc=kept\n");

    const QString blocker = dir.filePath(QStringLiteral("bukan-folder"));
    QFile file(blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("isi");
    file.close();
    SettingsStore below(blocker + QStringLiteral("/vermara.ini"));
    EXPECT_FALSE(below.set("a", "b", "c", "new"));
    EXPECT_FALSE(below.remove("a", "b", "c"));
    EXPECT_EQ(platform::ReadTextFile(blocker), "isi");
}

TEST_F(SettingsStoreTest, AFolderInPlaceOfTheFileReadsEmptyAndRefusesChanges) {
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_EQ(store.get("a", "b", "c", "default"), "default");
    EXPECT_FALSE(store.set("a", "b", "c", "new"));
    EXPECT_TRUE(QFileInfo(path).isDir());
}

TEST_F(SettingsStoreTest, TheFileIsParsedOncePerChangeAndChangesByOthersAreSeen) {
    ASSERT_TRUE(store.set("a", "b", "c", "1"));
    int reads = 0;
    platform::SettingsFileAccess access = platform::DefaultFileAccess();
    access.read = [&reads](const QString& file, bool* ok) {
        ++reads;
        return platform::ReadTextFile(file, ok);
    };
    SettingsStore counted(path, access);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(counted.get("a", "b", "c"), "1");
    EXPECT_EQ(reads, 1);
    // Its own write needs no new parse.
    ASSERT_TRUE(counted.set("a", "b", "d", "2"));
    EXPECT_EQ(counted.get("a", "b", "d"), "2");
    EXPECT_EQ(reads, 1);

    // Another program rewrites the file with a text of the same length.
    ASSERT_TRUE(store.set("a", "b", "c", "9"));
    EXPECT_EQ(counted.get("a", "b", "c"), "9");
    EXPECT_EQ(counted.get("a", "b", "d"), "2");
    EXPECT_EQ(reads, 2);
    QFile::remove(path);
    EXPECT_FALSE(counted.contains("a", "b", "c"));
}

TEST_F(SettingsStoreTest, LinesTheReaderCannotParseSurviveTheNextWrite) {
    writeFile("; written by hand\r\n"
              "[6656\\Opsi]\r\n"
              "saveset=1\r\n"
              "no equals sign here\r\n"
              "[6656\\kitab\r\n"
              "aktif1=3\r\n"
              "  buku = 7\r\n"
              "[6656\\font]\r\n"
              "size=12\r\n");
    EXPECT_FALSE(store.contains("6656", "kitab", "aktif1"));
    ASSERT_TRUE(store.set("6656", "font", "name", "Arial"));
    ASSERT_TRUE(store.set("6656", "kitab", "perj", "2"));

    const QString text = platform::ReadTextFile(path);
    for (const char* line : {"; written by hand\n", "no equals sign here\n", "[6656\\kitab\n",
                             "aktif1=3\n", "  buku = 7\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line << "\n" << text.toStdString();
    EXPECT_EQ(store.get("6656", "Opsi", "saveset"), "1");
    EXPECT_EQ(store.get("6656", "font", "size"), "12");
    EXPECT_EQ(store.get("6656", "kitab", "perj"), "2");
}

TEST_F(SettingsStoreTest, BlanksAtAValuesEndAndKeysThatPrefixOthersStayApart) {
    writeFile("[6656\\kitab]\naktif1=5 \naktif=4\naktif10=6\n[66\\kitab]\naktif1=7\n");
    // A blank typed after a value by hand is not part of it.
    EXPECT_EQ(store.get("6656", "kitab", "aktif1"), "5");
    EXPECT_EQ(store.get("6656", "kitab", "aktif"), "4");
    EXPECT_EQ(store.get("66", "kitab", "aktif1"), "7");
    EXPECT_FALSE(store.contains("665", "kitab", "aktif1"));
    EXPECT_FALSE(store.contains("6656", "kitab", "aktif100"));

    // A value written with a trailing blank reads back with it.
    ASSERT_TRUE(store.set("6656", "font", "name", "Times New Roman "));
    ASSERT_TRUE(store.remove("6656", "kitab", "aktif"));
    EXPECT_EQ(SettingsStore(path).get("6656", "font", "name"), "Times New Roman ");
    EXPECT_EQ(store.get("6656", "kitab", "aktif10"), "6");
    EXPECT_EQ(store.get("6656", "kitab", "aktif1"), "5");
    EXPECT_FALSE(store.contains("6656", "kitab", "aktif"));
}

} // namespace
