#include "import/StagedFiles.h"

#include "import/ImportError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using import::FileMoves;
using import::StagedFiles;
using Step = FileMoves::Step;

// Every file and folder under a root, by relative path, with a file's content.
using Tree = std::map<QString, QByteArray>;

const QByteArray kFolder = "(folder)";
const QStringList kNames = {QStringLiteral("Peta"), QStringLiteral("store"),
                            QStringLiteral("tips")};
const Tree kOld = {
    {"Peta", kFolder}, {"Peta/a.png", "old picture"}, {"store", "old store"}, {"tips", "old tips"}};
const Tree kNew = {
    {"Peta", kFolder}, {"Peta/b.png", "new picture"}, {"store", "new store"}, {"tips", "new tips"}};

void Write(const QString& path, const QByteArray& content) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void AddTree(const QDir& root, const QString& prefix, Tree& tree) {
    for (const QFileInfo& entry :
         QDir(root.filePath(prefix))
             .entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        const QString path = prefix.isEmpty() ? entry.fileName() : prefix + u'/' + entry.fileName();
        if (entry.isDir()) {
            tree[path] = kFolder;
            AddTree(root, path, tree);
            continue;
        }
        QFile file(entry.filePath());
        tree[path] = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }
}

Tree TreeOf(const QString& folder) {
    Tree tree;
    AddTree(QDir(folder), QString(), tree);
    return tree;
}

// What a tree holds under one name: the name itself and, for a folder, what is in it.
Tree Under(const Tree& tree, const QString& name) {
    Tree part;
    for (const auto& [path, content] : tree) {
        if (path == name || path.startsWith(name + u'/'))
            part[path] = content;
    }
    return part;
}

// The staged names alone, without the spare files a failed removal may leave.
Tree Targets(const Tree& tree) {
    Tree targets;
    for (const QString& name : kNames)
        targets.merge(Under(tree, name));
    return targets;
}

std::string Describe(const Tree& tree) {
    std::string text;
    for (const auto& [path, content] : tree)
        text += path.toStdString() + "=" + content.toStdString() + " ";
    return text;
}

void WriteOld(const QString& folder) {
    const QDir dir(folder);
    ASSERT_TRUE(dir.mkpath(QStringLiteral("Peta")));
    Write(dir.filePath(QStringLiteral("Peta/a.png")), "old picture");
    Write(dir.filePath(QStringLiteral("store")), "old store");
    Write(dir.filePath(QStringLiteral("tips")), "old tips");
}

void StageNew(StagedFiles& staged) {
    const QString pictures = staged.stage(QStringLiteral("Peta"));
    QDir().mkpath(pictures);
    Write(QDir(pictures).filePath(QStringLiteral("b.png")), "new picture");
    Write(staged.stage(QStringLiteral("store")), "new store");
    Write(staged.stage(QStringLiteral("tips")), "new tips");
}

// A file system that cannot swap two names refuses with EINVAL; the moves then fall back.
int Refusal(bool swapRefused, Step step) {
    return swapRefused && step == Step::Exchange ? EINVAL : 0;
}

constexpr int kKilled = 10;
constexpr int kFinished = 11;
constexpr int kFailed = 12;

// Runs body in a child process that ends, as if killed, before its step-th move; true when
// it ended there, false when body ran to its end.
bool KilledAt(int step, bool swapRefused, const std::function<void(const FileMoves&)>& body) {
    const pid_t child = fork();
    if (child == 0) {
        int calls = 0;
        const FileMoves moves([&](Step kind, const QString&, const QString&) {
            if (calls++ == step)
                _exit(kKilled);
            return Refusal(swapRefused, kind);
        });
        try {
            body(moves);
        } catch (const import::ImportError&) {
            _exit(kFailed);
        }
        _exit(kFinished);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    EXPECT_NE(WEXITSTATUS(status), kFailed);
    return WEXITSTATUS(status) == kKilled;
}

class StagedFilesTest : public ::testing::Test {
protected:
    void SetUp() override { WriteOld(folder_.path()); }

    QString path(const QString& name) const { return QDir(folder_.path()).filePath(name); }

    QTemporaryDir folder_;
};

} // namespace

TEST_F(StagedFilesTest, CommitMovesFilesAndFoldersInTogether) {
    for (const bool swapRefused : {false, true}) {
        SCOPED_TRACE(swapRefused ? "names moved one after the other" : "names swapped");
        QTemporaryDir folder;
        WriteOld(folder.path());
        StagedFiles staged(folder.path(), FileMoves([&](Step step, auto&, auto&) {
                               return Refusal(swapRefused, step);
                           }));
        StageNew(staged);
        staged.commit();
        EXPECT_EQ(TreeOf(folder.path()), kNew);
    }
}

TEST_F(StagedFilesTest, AStagedNameNeverWrittenFailsTheCommitBeforeAnythingMoves) {
    import::StagedFiles staged(folder_.path());
    const QString pictures = staged.stage(QStringLiteral("Peta"));
    ASSERT_TRUE(QDir().mkpath(pictures));
    staged.stage(QStringLiteral("store"));
    try {
        staged.commit();
        FAIL() << "a commit without its store succeeded";
    } catch (const import::ImportError& error) {
        EXPECT_TRUE(error.message().contains(QDir::toNativeSeparators(folder_.path())));
        EXPECT_TRUE(error.message().contains(QStringLiteral("tidak berubah")));
    }
    EXPECT_EQ(TreeOf(folder_.path()), kOld);
}

TEST_F(StagedFilesTest, WhatIsNotCommittedIsRemovedWithItsJournal) {
    {
        import::StagedFiles staged(folder_.path());
        const QString store = staged.stage(QStringLiteral("store"));
        Write(store, "half a store");
        Write(store + QStringLiteral("-journal"), "journal");
        ASSERT_TRUE(QDir().mkpath(staged.stage(QStringLiteral("Peta"))));
    }
    EXPECT_EQ(TreeOf(folder_.path()), kOld);
    // A leftover of an earlier run under the temporary name is cleared before staging.
    Write(path(QStringLiteral("store.tmp")), "leftover");
    import::StagedFiles staged(folder_.path());
    EXPECT_FALSE(QFile::exists(staged.stage(QStringLiteral("store"))));
}

// Each move of the commit fails in turn, once or from then on: a commit that reports the
// failure has put every old file back; the next run's recovery leaves all old or all new files
// and nothing else.
TEST_F(StagedFilesTest, AFailedMovePutsTheOldFilesBack) {
    for (const bool swapRefused : {false, true}) {
        for (const bool lasting : {false, true}) {
            for (int step = 0;; ++step) {
                SCOPED_TRACE(testing::Message() << "step " << step << (lasting ? " on" : "")
                                                << (swapRefused ? ", no swap" : ""));
                QTemporaryDir folder;
                WriteOld(folder.path());
                int calls = 0;
                StagedFiles staged(folder.path(), FileMoves([&](Step kind, auto&, auto&) {
                                       const int call = calls++;
                                       return call == step || (lasting && call > step)
                                                  ? EIO
                                                  : Refusal(swapRefused, kind);
                                   }));
                StageNew(staged);
                bool unchanged = false;
                try {
                    staged.commit();
                } catch (const import::ImportError& error) {
                    unchanged = error.message().contains(QStringLiteral("tidak berubah"));
                    EXPECT_TRUE(unchanged || error.message().contains(QStringLiteral("belum")))
                        << error.message().toStdString();
                }
                const Tree after = TreeOf(folder.path());
                if (unchanged) {
                    EXPECT_EQ(Targets(after), kOld) << Describe(after);
                }
                StagedFiles::recover(folder.path(), kNames);
                const Tree recovered = TreeOf(folder.path());
                EXPECT_TRUE(recovered == kOld || recovered == kNew) << Describe(recovered);
                if (calls <= step)
                    break;
            }
        }
    }
}

// The process is killed before each step of the commit and then before each step of the next
// run's recovery, which a further run completes. While killed, every name holds a whole old or
// new file wherever names can be swapped; in the end the folder holds all old files or all new
// ones, and nothing else.
TEST_F(StagedFilesTest, AKillAtAnyStepEndsWithAllOldOrAllNewFiles) {
    for (const bool swapRefused : {false, true}) {
        std::set<bool> endedNew;
        bool commitKilled = true;
        for (int step = 0; commitKilled; ++step) {
            bool recoveryKilled = true;
            for (int recoveryStep = 0; recoveryKilled; ++recoveryStep) {
                SCOPED_TRACE(testing::Message()
                             << "killed at " << step << ", then at " << recoveryStep
                             << (swapRefused ? ", no swap" : ""));
                QTemporaryDir folder;
                WriteOld(folder.path());
                commitKilled = KilledAt(step, swapRefused, [&](const FileMoves& moves) {
                    StagedFiles staged(folder.path(), moves);
                    StageNew(staged);
                    staged.commit();
                });
                const Tree killed = TreeOf(folder.path());
                for (const QString& name : kNames) {
                    if (!swapRefused) {
                        EXPECT_TRUE(Under(killed, name) == Under(kOld, name) ||
                                    Under(killed, name) == Under(kNew, name))
                            << Describe(killed);
                    }
                }
                recoveryKilled = commitKilled &&
                                 KilledAt(recoveryStep, swapRefused, [&](const FileMoves& moves) {
                                     StagedFiles::recover(folder.path(), kNames, moves);
                                 });
                StagedFiles::recover(folder.path(), kNames);
                const Tree recovered = TreeOf(folder.path());
                EXPECT_TRUE(recovered == kOld || recovered == kNew) << Describe(recovered);
                endedNew.insert(recovered == kNew);
            }
        }
        // Kills before the swap record exists end old; the later ones, new.
        EXPECT_EQ(endedNew, (std::set<bool>{false, true}));
    }
}

// What earlier runs left without a swap record: an old file moved aside with nothing in its
// place goes back, one moved aside beside its successor goes, a staged file goes.
TEST_F(StagedFilesTest, RecoveryClearsWhatAnUnrecordedRunLeft) {
    ASSERT_TRUE(QDir().rename(path(QStringLiteral("Peta")), path(QStringLiteral("Peta.old"))));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Peta.tmp"))));
    Write(path(QStringLiteral("Peta.tmp/b.png")), "new picture");
    Write(path(QStringLiteral("store.old")), "older store");
    Write(path(QStringLiteral("tips.tmp")), "half the tips");
    Write(path(QStringLiteral(".vermara-import-swap.tmp")), "half a record");
    StagedFiles::recover(folder_.path(), kNames);
    EXPECT_EQ(TreeOf(folder_.path()), kOld);

    Write(path(QStringLiteral(".vermara-import-swap")), "no record");
    EXPECT_THROW(StagedFiles::recover(folder_.path(), kNames), import::ImportError);
    EXPECT_THROW(StagedFiles staged(folder_.path()), import::ImportError);
}
