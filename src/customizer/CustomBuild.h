#pragma once

#include "customizer/BuildStep.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace platform {
class Dialogs;
}

namespace store {
class Database;
class Statement;
class StoreWriter;
} // namespace store

namespace customizer {

class StagedStore;
class StopToken;

// What the wizard or the command line chose.
struct BuildPlan {
    QString sourcePath;        // full path of the source store
    QString destinationFolder; // as the user typed it
    QStringList columns;       // NamaTabel of each chosen version
    QStringList modules;       // NamaMenu of each chosen module
};

enum class BuildStatus { Finished, Refused, Failed, Stopped };

struct BuildOutcome {
    BuildStatus status = BuildStatus::Failed;
    QString text; // the closing text when finished, the message shown when failed
};

struct BuildHooks {
    std::function<void(const QString&)> caption;               // progress caption changes
    std::function<void(int copied, int total)> UpdateProgress; // once per version-table row
    const StopToken* stop = nullptr;
    StepCheck beforeStep; // asked before each step that writes to the destination folder
};

// Membership of a name list: exact when caseSensitive, else in lower case; an empty
// findStr is never found.
bool ArrayExist(const QStringList& arList, const QString& findStr, bool caseSensitive);

// date + " - Customized by " + user + "/" + computer, the date in the system's short form.
QString CustomizationLine(const QDate& date, const QString& user, const QString& computer);

// The last wizard page's text after a finished build.
QString ClosingText(const QString& destinationFolder);

// Builds a store with only the chosen versions and modules. The source is checked first, so
// a source lacking what the build needs is refused before anything is written. The new
// store, and with the maps module the pictures folder "Peta" beside the source merged over
// the destination's, are staged in a hidden folder beside the destination and moved in only
// once complete, so a refused, failed, stopped or killed build leaves the old store and
// pictures as they were; what killed builds left there is tidied first. The overwrite
// question and the failure message go through dialogs.
class CustomBuild {
public:
    CustomBuild(BuildPlan plan, platform::Dialogs& dialogs, BuildHooks hooks = {});
    ~CustomBuild();
    CustomBuild(const CustomBuild&) = delete;
    CustomBuild& operator=(const CustomBuild&) = delete;

    BuildOutcome BuildCustomStore();

private:
    QString checkSource();
    BuildOutcome refuse(const QString& message);
    void stageAndCommit();
    void step(BuildStep which) const;
    void buildInto(const QString& file);
    void writeTables(const QString& file);
    void finishStore(const QString& file);
    void stagePictures(StagedStore& staged);
    void copyTables(store::StoreWriter& writer);
    void CopyTable(store::StoreWriter& writer, const QString& table);
    void CopyVersionTable(store::StoreWriter& writer, const QString& table);
    void CopyDeuterocanon(store::StoreWriter& writer);
    store::Statement readSource(const QString& sql) const;
    qint64 countSourceRows(const QString& table) const;
    void setSwitches(store::Database& destination);
    void UpdateVersionSwitches(store::Database& destination);
    void recordCustomization(store::Database& destination);
    void rowCopied();
    void caption(const QString& text);

    BuildPlan plan_;
    platform::Dialogs& dialogs_;
    BuildHooks hooks_;
    std::unique_ptr<store::Database> source_;
    bool hadStore_ = false;
    bool introductionsChosen_ = false;
    bool pericopesChosen_ = false;
    bool commentaryChosen_ = false;
    int copied_ = 0;
    int total_ = 0;
};

// ReadInfoText / WriteInfoText on an open store: the Keterangan of the first UsysInfo row
// with that id (empty when none), and writing it, adding the row when missing.
QString ReadInfoText(const store::Database& db, qint16 id);
void WriteInfoText(store::Database& db, const QString& text, qint16 id);

} // namespace customizer
