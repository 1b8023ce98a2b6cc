#include "platform/SettingsStore.h"

#include "platform/AnsiCodePage.h"

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

TEST_F(SettingsStoreTest, UnreadableFileReadsEmptyAndIsNotOverwritten) {
    ASSERT_TRUE(store.set("a", "b", "c", "kept"));
    QFile::setPermissions(path, QFileDevice::WriteOwner);
    QFile probe(path);
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that ignore file permissions";

    EXPECT_EQ(store.get("a", "b", "c", "default"), "default");
    EXPECT_FALSE(store.set("a", "b", "d", "new"));
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(store.get("a", "b", "c"), "kept");
}

} // namespace
