#include "platform/AnsiCodePage.h"
#include "platform/SettingsStore.h"
#include "reader/CommandBox.h"
#include "reader/HelpFile.h"
#include "reader/ReaderSettings.h"
#include "reader/TipList.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

using namespace reader;

namespace {

class SettingsTest : public testing::Test {
protected:
    QTemporaryDir dir;
    QString program = dir.filePath(QStringLiteral("program"));
    QString iniPath = dir.filePath(QStringLiteral("settings.ini"));
    platform::SettingsStore store{iniPath};
    ReaderSettings settings{store, program};

    void set(const char* section, const char* key, const QString& value) {
        store.set(settings.installationKey(), QString::fromUtf8(section), QString::fromUtf8(key),
                  value);
    }
    QString get(const char* section, const char* key) const {
        return store.get(settings.installationKey(), QString::fromUtf8(section),
                         QString::fromUtf8(key), QStringLiteral("<none>"));
    }
    void writeIni(const QByteArray& bytes) {
        QFile file(iniPath);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
};

SavedSettings Changed() {
    SavedSettings s;
    s.options.saveSettings = true;
    s.options.tipsAtStart = true;
    s.options.deleteResults = true;
    s.options.statusLine = false;
    s.options.toolBar = false;
    s.options.specialToolBar = false;
    s.options.bookPanel = false;
    s.options.searchBar = false;
    s.options.optimal = false;
    s.options.separateIntro = false;
    s.options.fontName = QStringLiteral("DejaVu Sans");
    s.options.fontSize = 13.5;
    s.activeNr = 5;
    s.parallelNr = 7;
    s.last = {false, 26, 21};
    s.parallelHidden = false;
    return s;
}

} // namespace

TEST_F(SettingsTest, NoSettingsFileGivesEveryDefault) {
    const OptionSettings o = settings.LoadSettings();
    EXPECT_FALSE(o.saveSettings);
    EXPECT_FALSE(o.tipsAtStart);
    EXPECT_FALSE(o.deleteResults);
    EXPECT_TRUE(o.statusLine && o.toolBar && o.specialToolBar && o.bookPanel && o.searchBar);
    EXPECT_TRUE(o.optimal && o.separateIntro);
    EXPECT_EQ(o.fontName, QStringLiteral("Times New Roman"));
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_FALSE(settings.etikaAtStart());
    EXPECT_TRUE(settings.parallelHidden());
    EXPECT_EQ(settings.lastPosition().book, 0);
    EXPECT_EQ(settings.lastPosition().chapter, 0);
}

TEST_F(SettingsTest, SavedSettingsReadBackAndOptimalIsFoundWhateverItsCase) {
    settings.SaveSettings(Changed());
    const OptionSettings o = settings.LoadSettings();
    EXPECT_TRUE(o.saveSettings && o.tipsAtStart && o.deleteResults);
    EXPECT_FALSE(o.statusLine || o.toolBar || o.specialToolBar || o.bookPanel || o.searchBar);
    EXPECT_FALSE(o.optimal || o.separateIntro);
    EXPECT_EQ(o.fontName, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(o.fontSize, 13.5);
    EXPECT_EQ(settings.activeNr(), 5);
    EXPECT_EQ(settings.parallelNr(), 7);
    EXPECT_FALSE(settings.lastPosition().oldTestament);
    EXPECT_EQ(settings.lastPosition().book, 26);
    EXPECT_EQ(settings.lastPosition().chapter, 21);
    EXPECT_FALSE(settings.parallelHidden());
    // Written as "Optimal", read as "optimal".
    EXPECT_EQ(get("Opsi", "Optimal"), QStringLiteral("0"));
    EXPECT_EQ(get("kitab", "perj"), QStringLiteral("2"));
    EXPECT_EQ(get("font", "size"), QStringLiteral("13.5"));
}

// The keys earlier versions wrote, one per switch: flipping one switch alone must change its
// own key and, read back, that switch alone.
TEST_F(SettingsTest, EachSwitchIsSavedUnderItsOwnKeyAndReadsBackAlone) {
    const std::vector<std::pair<bool OptionSettings::*, const char*>> keys{
        {&OptionSettings::tipsAtStart, "Tip"},         {&OptionSettings::deleteResults, "flush"},
        {&OptionSettings::statusLine, "sbar"},         {&OptionSettings::toolBar, "tbar"},
        {&OptionSettings::specialToolBar, "bbar"},     {&OptionSettings::bookPanel, "klist"},
        {&OptionSettings::searchBar, "pbar"},          {&OptionSettings::optimal, "Optimal"},
        {&OptionSettings::separateIntro, "splitIntro"}};
    const OptionSettings defaults;
    for (const auto& [flipped, key] : keys) {
        SCOPED_TRACE(key);
        SavedSettings saved;
        saved.options.saveSettings = true;
        saved.options.*flipped = !(defaults.*flipped);
        ASSERT_TRUE(settings.SaveSettings(saved));
        for (const auto& [field, other] : keys) {
            const bool on = saved.options.*field;
            EXPECT_EQ(get("Opsi", other), on ? QStringLiteral("1") : QStringLiteral("0")) << other;
            EXPECT_EQ(ReaderSettings(store, program).LoadSettings().*field, on) << other;
        }
    }
}

// Numbers of the place and the versions, each distinct, so that two swapped keys show.
TEST_F(SettingsTest, EachNumberOfThePlaceIsSavedUnderItsOwnKey) {
    SavedSettings saved;
    saved.options.saveSettings = true;
    saved.activeNr = 3;
    saved.parallelNr = 4;
    saved.last = {true, 38, 13};
    saved.parallelHidden = false;
    ASSERT_TRUE(settings.SaveSettings(saved));
    EXPECT_EQ(get("kitab", "aktif1"), QStringLiteral("3"));
    EXPECT_EQ(get("kitab", "aktif2"), QStringLiteral("4"));
    EXPECT_EQ(get("kitab", "perj"), QStringLiteral("1"));
    EXPECT_EQ(get("kitab", "buku"), QStringLiteral("38"));
    EXPECT_EQ(get("kitab", "pasal"), QStringLiteral("13"));
    EXPECT_EQ(get("kitab", "padanan"), QStringLiteral("0"));
    const ReaderSettings next(store, program);
    EXPECT_EQ(next.activeNr(), 3);
    EXPECT_EQ(next.parallelNr(), 4);
    EXPECT_TRUE(next.lastPosition().oldTestament);
    EXPECT_EQ(next.lastPosition().book, 38);
    EXPECT_EQ(next.lastPosition().chapter, 13);
    EXPECT_FALSE(next.parallelHidden());
}

TEST_F(SettingsTest, WithoutAlwaysSaveEveryKeyGoesButLocation) {
    settings.SaveSettings(Changed());
    settings.setLocation(QStringLiteral("/data/VERMARA2000.DAT"));
    SavedSettings off = Changed();
    off.options.saveSettings = false;
    settings.SaveSettings(off);
    for (const char* key : {"pbar", "tbar", "sbar", "klist", "bbar", "Tip", "flush", "Optimal",
                            "splitIntro", "saveset", "Etika"})
        EXPECT_EQ(get("Opsi", key), QStringLiteral("<none>")) << key;
    for (const char* key : {"size", "name"})
        EXPECT_EQ(get("font", key), QStringLiteral("<none>")) << key;
    for (const char* key : {"aktif1", "aktif2", "perj", "buku", "pasal", "padanan"})
        EXPECT_EQ(get("kitab", key), QStringLiteral("<none>")) << key;
    EXPECT_EQ(get("Opsi", "Location"), QStringLiteral("/data/VERMARA2000.DAT"));
}

TEST_F(SettingsTest, AStartWindowChosenWithItsOwnBoxOutlivesARunThatKeepsNoSettings) {
    SavedSettings off = Changed();
    off.options.saveSettings = false;
    settings.setEtikaAtStart(true);
    settings.setTipsAtStart(true);
    // The tips were switched off again from the menu before the end.
    off.options.tipsAtStart = false;
    settings.SaveSettings(off);
    EXPECT_EQ(get("Opsi", "Etika"), QStringLiteral("1"));
    EXPECT_EQ(get("Opsi", "Tip"), QStringLiteral("0"));
    EXPECT_EQ(get("Opsi", "saveset"), QStringLiteral("<none>"));
    // A later run that touches neither box keeps no settings of its own.
    reader::ReaderSettings next(store, program);
    next.SaveSettings(off);
    EXPECT_EQ(get("Opsi", "Etika"), QStringLiteral("<none>"));
    EXPECT_EQ(get("Opsi", "Tip"), QStringLiteral("<none>"));
}

TEST_F(SettingsTest, AnotherProgramFolderHasItsOwnKeyAndStartsOnDefaults) {
    settings.SaveSettings(Changed());
    const ReaderSettings copy(store, dir.filePath(QStringLiteral("program2")));
    EXPECT_NE(copy.installationKey(), settings.installationKey());
    EXPECT_FALSE(copy.LoadSettings().saveSettings);
    EXPECT_EQ(copy.activeNr(), 1);
    EXPECT_EQ(copy.fontSize(), 10);
}

TEST_F(SettingsTest, ValuesOfTheWrongKindReadAsTheirDefaults) {
    set("kitab", "aktif1", QStringLiteral("dua"));
    set("kitab", "aktif2", QStringLiteral("99999999999999999999"));
    set("kitab", "buku", QStringLiteral("-3"));
    set("kitab", "pasal", QStringLiteral("-1"));
    set("kitab", "perj", QStringLiteral("x"));
    set("kitab", "padanan", QStringLiteral("ya"));
    set("font", "size", QStringLiteral("1e300"));
    set("font", "name", QStringLiteral("   "));
    set("Opsi", "sbar", QStringLiteral("satu"));
    set("Opsi", "saveset", QStringLiteral("-1"));
    const OptionSettings o = settings.LoadSettings();
    EXPECT_EQ(settings.activeNr(), 1);
    EXPECT_EQ(settings.parallelNr(), 1);
    EXPECT_EQ(settings.lastPosition().book, 0);
    EXPECT_EQ(settings.lastPosition().chapter, 0);
    EXPECT_TRUE(settings.lastPosition().oldTestament);
    EXPECT_TRUE(settings.parallelHidden());
    EXPECT_EQ(o.fontSize, 10);
    EXPECT_EQ(o.fontName, QStringLiteral("Times New Roman"));
    EXPECT_TRUE(o.statusLine);
    EXPECT_FALSE(o.saveSettings);
    set("font", "size", QStringLiteral("0"));
    EXPECT_EQ(settings.fontSize(), 10);
    set("font", "size", QStringLiteral("400"));
    EXPECT_EQ(settings.fontSize(), 400);
}

TEST_F(SettingsTest, AFileThatIsNotUtf8OrNotSettingsStartsOnDefaultsAndKeepsItsLocation) {
    const QString key = settings.installationKey();
    writeIni("[" + key.toLatin1() + "\\Opsi]\r\nLocation=/d\xe9j\xe0/VERMARA2000.DAT\r\n[" +
             key.toLatin1() + "\\kitab]\r\nbuku=\xff\xfe\r\n");
    EXPECT_EQ(settings.location({}), QStringLiteral("/d\u00e9j\u00e0/VERMARA2000.DAT"));
    EXPECT_EQ(settings.lastPosition().book, 0);
    writeIni(QByteArray("\x00\x01\x02 garbage ==== [[[", 20));
    EXPECT_EQ(settings.LoadSettings().fontSize, 10);
    EXPECT_EQ(settings.location(QStringLiteral("/default")), QStringLiteral("/default"));
}

TEST_F(SettingsTest, AStoredFolderStandsForTheDataFileInsideIt) {
    QDir().mkpath(dir.filePath(QStringLiteral("data")));
    settings.setLocation(dir.filePath(QStringLiteral("data")));
    EXPECT_EQ(settings.location({}), dir.filePath(QStringLiteral("data/VERMARA2000.DAT")));
    settings.setLocation(dir.filePath(QStringLiteral("missing")));
    EXPECT_EQ(settings.location({}), dir.filePath(QStringLiteral("missing")));
    settings.resetLocation();
    EXPECT_EQ(get("Opsi", "Location"), QStringLiteral("XYZ"));
}

TEST_F(SettingsTest, SavingReportsASettingsFileThatCannotBeUpdated) {
    bool full = false;
    platform::SettingsFileAccess access = platform::DefaultFileAccess();
    access.write = [&full, write = access.write](const QString& path, const QString& text) {
        return !full && write(path, text);
    };
    platform::SettingsStore disk(iniPath, access);
    ReaderSettings reader(disk, program);
    EXPECT_TRUE(reader.SaveSettings(Changed()));
    // A full disk: every change fails, and the old file stays.
    full = true;
    SavedSettings changed = Changed();
    changed.activeNr = 6;
    EXPECT_FALSE(reader.SaveSettings(changed));
    SavedSettings off = Changed();
    off.options.saveSettings = false;
    EXPECT_FALSE(reader.SaveSettings(off));
    EXPECT_FALSE(reader.DeleteSettings());
    EXPECT_EQ(get("kitab", "aktif1"), QStringLiteral("5"));
    // Nothing to change is no failure.
    EXPECT_TRUE(reader.SaveSettings(Changed()));
    full = false;
    EXPECT_TRUE(reader.SaveSettings(off));
    EXPECT_EQ(get("kitab", "aktif1"), QStringLiteral("<none>"));
    EXPECT_TRUE(reader.SaveSettings(off));
}

TEST_F(SettingsTest, AFolderInPlaceOfTheSettingsFileFailsBothSavingAndDeleting) {
    ASSERT_TRUE(QDir().mkpath(iniPath));
    EXPECT_FALSE(settings.SaveSettings(Changed()));
    SavedSettings off = Changed();
    off.options.saveSettings = false;
    EXPECT_FALSE(settings.SaveSettings(off));
    EXPECT_TRUE(QFileInfo(iniPath).isDir());
    EXPECT_EQ(settings.filePath(), iniPath);
}

TEST(TipList, BlankLinesAreSkippedAndBothWaysWrapRound) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VR_tips.dat"));
    ASSERT_TRUE(platform::WriteTextFile(path, QStringLiteral("satu\r\n\r\n  \r\ndua\r\ntiga\r\n")));
    const TipList tips = TipList::LoadTips(path);
    ASSERT_EQ(tips.count(), 3);
    EXPECT_EQ(tips.tip(1), QStringLiteral("dua"));
    EXPECT_EQ(tips.next(2), 0);
    EXPECT_EQ(tips.next(0), 1);
    EXPECT_EQ(tips.previous(0), 2);
    EXPECT_EQ(tips.previous(1), 0);
    EXPECT_EQ(tips.tip(3), QString());
    EXPECT_EQ(tips.firstTip(0.0), 0);
    EXPECT_EQ(tips.firstTip(0.2), 0);
    EXPECT_EQ(tips.firstTip(0.3), 1);
    EXPECT_EQ(tips.firstTip(0.99), 2);
}

TEST(TipList, Windows1252EmptyAndMissingFiles) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("VR_tips.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Caf\xe9 \x93kutipan\x94\r\n");
    file.close();
    EXPECT_EQ(TipList::LoadTips(path).tip(0), QStringLiteral("Caf\u00e9 \u201ckutipan\u201d"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    const TipList empty = TipList::LoadTips(path);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_EQ(empty.firstTip(0.7), 0);
    EXPECT_EQ(empty.next(0), 0);
    EXPECT_EQ(empty.previous(0), 0);
    EXPECT_TRUE(TipList::LoadTips(dir.filePath(QStringLiteral("none"))).isEmpty());
}

TEST(TipList, TheProgramFolderComesBeforeTheStoreFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString data = dir.filePath(QStringLiteral("data"));
    QDir().mkpath(program);
    QDir().mkpath(data);
    EXPECT_EQ(FindTipsFile(program, data), QString());
    platform::WriteTextFile(data + QStringLiteral("/VR_tips.dat"), QStringLiteral("t"));
    EXPECT_EQ(FindTipsFile(program, data + u'/'), data + QStringLiteral("/VR_tips.dat"));
    platform::WriteTextFile(program + QStringLiteral("/VR_tips.dat"), QStringLiteral("t"));
    EXPECT_EQ(FindTipsFile(program, data), program + QStringLiteral("/VR_tips.dat"));
}

TEST(HelpFile, TheDataFolderComesBeforeTheProgramFolder) {
    QTemporaryDir dir;
    const QString program = dir.filePath(QStringLiteral("program"));
    const QString data = dir.filePath(QStringLiteral("data")) + u'/';
    QDir().mkpath(program);
    QDir().mkpath(data);
    EXPECT_EQ(FindHelpFile(data, program), QString());
    platform::WriteTextFile(program + QStringLiteral("/vr200.html"), QStringLiteral("<p>"));
    EXPECT_EQ(FindHelpFile(data, program), program + QStringLiteral("/vr200.html"));
    platform::WriteTextFile(data + QStringLiteral("vr200.html"), QStringLiteral("<p>"));
    EXPECT_EQ(FindHelpFile(data, program), data + QStringLiteral("vr200.html"));
}

TEST(CommandWord, TwoBackslashesThenATrimmedUpperCaseWord) {
    EXPECT_EQ(CommandWord(QStringLiteral("\\\\data")), QStringLiteral("DATA"));
    EXPECT_EQ(CommandWord(QStringLiteral("\\\\  Data  ")), QStringLiteral("DATA"));
    EXPECT_EQ(CommandWord(QStringLiteral("\\\\")), std::nullopt);
    EXPECT_EQ(CommandWord(QStringLiteral("\\a")), std::nullopt);
    EXPECT_EQ(CommandWord(QStringLiteral("data")), std::nullopt);
    EXPECT_EQ(CommandWord(QStringLiteral(" \\\\data")), std::nullopt);
    // A lone apostrophe is doubled first, so the text is long enough to be a command.
    EXPECT_EQ(CommandWord(QStringLiteral("\\\\'")), QStringLiteral("''"));
    EXPECT_EQ(CommandWord(QStringLiteral("\\\\ ")), QString());
}

namespace {

struct CommandRun {
    QTemporaryDir dir;
    platform::SettingsStore store{dir.filePath(QStringLiteral("settings.ini"))};
    ReaderSettings settings{store, dir.filePath(QStringLiteral("program"))};
    QStringList messages;
    QStringList advice;
    int quits = 0;
    double random = 0;

    void run(const QString& word, const store::Store* data, const QString& folder = {}) {
        CommandBox box(
            settings, data, folder,
            {[this](const QString& text) { messages.append(text); },
             [this](const QString& ref, const QString& lines) { advice << ref << lines; },
             [this] { ++quits; }, [this] { return random; }});
        box.RunCommand(word);
    }
};

} // namespace

TEST(CommandBox, EveryWordOfTheTableAndNothingElse) {
    QTemporaryDir dir;
    const auto data = store::Store::Open(fixture::WriteFixtureStore(dir.path()));
    CommandRun run;
    run.run(QStringLiteral("DATA"), data.get(), QStringLiteral("/srv/alkitab/"));
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.messages.last(), QStringLiteral("Data yang sedang digunakan : /srv/alkitab/"));
    run.run(QStringLiteral("VRDBCUSTHIST"), data.get());
    EXPECT_EQ(run.messages.last(), QStringLiteral("\r\n01/12/2026 - Customized by uji/mesin"));
    run.run(QStringLiteral("WHO"), data.get());
    EXPECT_TRUE(run.messages.last().startsWith(QStringLiteral("Vermara versi 2.0.0")));
    run.run(QStringLiteral("HISTORY"), data.get());
    EXPECT_TRUE(run.messages.last().contains(QStringLiteral("Vermara 2.0")));
    for (const char* word : {"DEDICATED", "EMAIL", "WWW"}) {
        run.run(QString::fromUtf8(word), data.get());
        EXPECT_FALSE(run.messages.last().isEmpty()) << word;
        EXPECT_FALSE(run.messages.last().contains(QStringLiteral("http"))) << word;
        EXPECT_FALSE(run.messages.last().contains(u'@')) << word;
    }
    EXPECT_EQ(run.messages.size(), 7);
    for (const char* word : {"data", "DAT", "DATAX", "", "\\\\DATA"})
        run.run(QString::fromUtf8(word), data.get());
    EXPECT_EQ(run.messages.size(), 7);
    EXPECT_EQ(run.quits, 0);
    run.run(QStringLiteral("QUIT"), data.get());
    EXPECT_EQ(run.quits, 1);
    EXPECT_EQ(run.messages.size(), 7);
}

TEST(CommandBox, HistoryOfAStoreWithoutRow100IsEmptyAndResetLocationWritesXyz) {
    QTemporaryDir dir;
    fixture::Options options;
    options.withoutInfo4And100 = true;
    const auto data = store::Store::Open(fixture::WriteFixtureStore(dir.path(), options));
    CommandRun run;
    run.settings.setLocation(QStringLiteral("/data/VERMARA2000.DAT"));
    run.run(QStringLiteral("VRDBCUSTHIST"), data.get());
    ASSERT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.messages.last(), QString());
    run.run(QStringLiteral("RESETLOCATION"), data.get());
    EXPECT_EQ(run.messages.size(), 1);
    EXPECT_EQ(run.settings.location({}), QStringLiteral("XYZ"));
}

TEST(CommandBox, AdviceDrawsOneOfTheNineVersesAndShowsItsPassage) {
    QTemporaryDir dir;
    const auto data = store::Store::Open(fixture::WriteFixtureStore(dir.path()));
    CommandRun run;
    run.random = 0.0;
    run.run(QStringLiteral("ADVICE"), data.get());
    ASSERT_EQ(run.advice.size(), 2);
    EXPECT_EQ(run.advice[0], QStringLiteral("Matius#5:44-45"));
    EXPECT_TRUE(run.advice[1].startsWith(QStringLiteral("5:44 ")));
    EXPECT_TRUE(run.advice[1].contains(QStringLiteral("\r\n5:45 ")));
    run.random = 0.999999;
    run.run(QStringLiteral("ADVICE"), data.get());
    EXPECT_EQ(run.advice[2], QStringLiteral("I Korintus#13:13"));
    // A passage the store lacks still names its reference, over an empty text.
    EXPECT_EQ(run.advice[3], QString());
    run.random = 1.0;
    run.run(QStringLiteral("ADVICE"), data.get());
    EXPECT_EQ(run.advice[4], QStringLiteral("I Korintus#13:13"));
    run.random = 5.0 / 9;
    run.run(QStringLiteral("ADVICE"), data.get());
    EXPECT_EQ(run.advice[6], AdviceVerses()[5]);
    run.run(QStringLiteral("ADVICE"), nullptr);
    EXPECT_EQ(run.advice.size(), 10);
}
