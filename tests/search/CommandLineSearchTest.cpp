#include "search/CommandLineSearch.h"

#include "platform/AnsiCodePage.h"
#include "platform/Folders.h"
#include "platform/ProductName.h"
#include "search/SearchEngine.h"
#include "store/Store.h"
#include "support/FixtureStore.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextStream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace search;

namespace {

class CommandLineSearchTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir;
        path = fixture::WriteFixtureStore(folder->path());
    }
    static void TearDownTestSuite() { delete folder; }

    int Run(QStringList args, const QString& data = folder->path()) {
        out.clear();
        err.clear();
        QTextStream outStream(&out);
        QTextStream errStream(&err);
        args.prepend(QStringLiteral("vermara"));
        args << QStringLiteral("--data") << data;
        return CommandLineSearch(args, outStream, errStream, QStringLiteral("/nowhere"));
    }

    static QString WithoutTime(QString text) {
        return text.replace(QRegularExpression(QStringLiteral("\\d\\d:\\d\\d:\\d\\d")), QString());
    }

    static inline QTemporaryDir* folder = nullptr;
    static inline QString path;
    QString out;
    QString err;
};

TEST_F(CommandLineSearchTest, PrintsTheSameFileTheWindowsEngineWritesForEachScope) {
    std::unique_ptr<store::Store> store = store::Store::Open(path);
    SearchEngine engine(*store, platform::GetTempFolder());
    for (int scope = 0; scope < 4; ++scope) {
        SearchRequest request;
        request.text = QStringLiteral("Berbahagialah^rendah");
        request.scope = Scope(scope);
        request.column = QStringLiteral("Kitab2");
        request.versionName = QStringLiteral("Alkitab Kabar Baik");
        request.caption = platform::MainWindowCaption(QStringLiteral("(c) BIS"));
        request.bookItem = request.bookName = QStringLiteral("Matius");
        request.oldTestament = false;
        request.chapterIndex = 4;
        request.perjanjian = QStringLiteral("Baru");
        StopToken stop;
        const SearchOutcome window = engine.CariSemua(request, stop);
        ASSERT_EQ(window.kind, SearchOutcome::Kind::Finished);
        const QString expected = platform::ReadTextFile(window.file);

        ASSERT_EQ(Run({"--search", request.text, "--scope", QString::number(scope), "--book",
                       "Matius", "--chapter", "5", "--version", "2"}),
                  0)
            << qPrintable(err);
        EXPECT_EQ(WithoutTime(out), WithoutTime(expected)) << "scope " << scope;
        EXPECT_TRUE(out.contains(QStringLiteral("5:6 Berbahagialah orang yang rindu")));
        EXPECT_FALSE(out.contains(QStringLiteral("5:5 ")));
    }
}

TEST_F(CommandLineSearchTest, ReportsTheSearchMessagesOnStandardErrorWithStatusTwo) {
    EXPECT_EQ(Run({"--search", "ka"}), 2);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Kata yang dicari terlalu pendek"));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(Run({"--search", "zzzz"}), 2);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Kata tidak ditemukan"));
    EXPECT_EQ(Run({"--search", "+kasih"}), 2);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Lihat panduan untuk penggunaan syntax pencarian"));
    EXPECT_EQ(Run({"--search", "kasih", "--scope", "4"}), 2);
    EXPECT_EQ(Run({"--search", "kasih", "--book", "Matthew", "--scope", "1"}), 2);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Kitab tidak dikenal: Matthew"));
    EXPECT_EQ(Run({"--search", "kasih", "--version", "9"}), 2);
}

TEST_F(CommandLineSearchTest, ExactOptionAndCaptionReachTheFile) {
    ASSERT_EQ(Run({"--search", "Kasih", "--exact"}), 0);
    EXPECT_TRUE(out.startsWith(QStringLiteral(
        "Vermara 2.0.0 - (c) LAI 1974\r\n -- Pencarian di seluruh Alkitab  -- Kata Tepat\r\n")));
    EXPECT_TRUE(out.contains(QStringLiteral(" -- Ditemukan : 1 ayat \r\n")));
}

TEST_F(CommandLineSearchTest, RunsWithoutAnyDisplay) {
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const int status = Run({"--search", "kasih"});
    qputenv("QT_QPA_PLATFORM", platformName);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(QCoreApplication::instance()->inherits("QGuiApplication"));
    EXPECT_TRUE(out.contains(QStringLiteral("3:16 Karena begitu besar kasih Allah")));
}

TEST_F(CommandLineSearchTest, NamesAVersionThatIsSwitchedOff) {
    QTemporaryDir gaps;
    fixture::WriteFixtureStore(gaps.path(), {.catalogueWithGaps = true});
    EXPECT_EQ(Run({"--search", "kasih", "--version", "2"}, gaps.path()), 2);
    EXPECT_EQ(err.trimmed(), QStringLiteral("Versi 2 (Versi Lama) tidak aktif di data ini"));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(Run({"--search", "kasih", "--version", "1"}, gaps.path()), 0) << qPrintable(err);
}

// Every file under folder, as paths relative to it.
QStringList FilesUnder(const QString& folder) {
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        files << it.next().mid(folder.size() + 1);
    files.sort();
    return files;
}

TEST_F(CommandLineSearchTest, LeavesNoFileBehindUnlessAskedToKeepIt) {
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    const QString kasih = QStringLiteral("kasih");

    EXPECT_EQ(Run({"--search", kasih}), 0);
    const QStringList afterRun = FilesUnder(temp.path());
    EXPECT_EQ(Run({"--search", "zzzz"}), 2);
    const QStringList afterRefusal = FilesUnder(temp.path());

    EXPECT_EQ(Run({"--search", kasih, "--keep"}), 0);
    const QString printed = out;
    const QStringList kept = FilesUnder(temp.path());
    // A run that keeps nothing leaves the kept file of the same search alone.
    EXPECT_EQ(Run({"--search", kasih}), 0);
    const QStringList keptAfterRun = FilesUnder(temp.path());
    qputenv("TMPDIR", oldTemp);

    EXPECT_EQ(afterRun, QStringList());
    EXPECT_EQ(afterRefusal, QStringList());
    const QString own = QStringLiteral("vermara-%1/").arg(::geteuid());
    ASSERT_EQ(kept.size(), 2);
    EXPECT_TRUE(kept[0].startsWith(own + QStringLiteral("~vr"))) << qPrintable(kept[0]);
    EXPECT_EQ(kept[1], kept[0] + QStringLiteral(".store"));
    EXPECT_EQ(platform::ReadTextFile(temp.filePath(kept[0])), printed);
    EXPECT_EQ(keptAfterRun, kept);
}

} // namespace
