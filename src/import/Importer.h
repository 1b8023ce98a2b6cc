#pragma once

#include "import/BookFacts.h"
#include "import/CrossReferenceIndex.h"
#include "import/ModuleSource.h"
#include "import/Outline.h"
#include "import/StoreBounds.h"
#include "store/Records.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <vector>

namespace store {
class StoreWriter;
}

namespace import {

// A verse version of the store: a SWORD bible module and, optionally, the name to show.
struct BibleSource {
    QString module;
    QString name; // empty: from the module's description
};

using PictureMaker = std::function<std::vector<store::PictureRow>(
    const QString& pictureFolder, const std::vector<BookFacts>& books)>;

struct ImportOptions {
    std::vector<BibleSource> bibles; // Kitab1, Kitab2, ... in this order
    QString deutero;                 // modules left empty are left out of the store
    QString dictionary;
    QString topics;
    QString commentary;
    QString dataFolder;
    QString outFolder;
    QStringList books;         // canonical names to import; empty: all 66
    PictureMaker drawPictures; // empty: a store without pictures
};

// The modules of the sample store, with the data files of dataFolder.
ImportOptions SampleOptions(const QString& dataFolder, const QString& outFolder);

struct ImportSummary {
    QString storePath;
    qint64 bytes = 0;
    std::map<QString, int> rows; // per table
    int booksWithReferences = 0;
    int booksWithPericopes = 0;
    QStringList leftOut; // per table that lost references: how many and the first few
};

// Builds a complete data store from modules and the data files. The store, its pictures and
// its tips are written under temporary names in the out folder and take their real names
// together once all are complete. Every reference written is held to the store's chapters and
// verses: the data files must fit them, references from modules that do not are left out.
class Importer {
public:
    using Progress = std::function<void(const QString&)>;

    Importer(const ModuleSource& source, ImportOptions options, Progress progress = {});
    ~Importer();

    // First finishes or undoes the swap of an earlier run that was killed in the out folder.
    // Throws ImportError (a module, data file or folder at fault, or an out folder that is
    // full) or store::StoreError.
    ImportSummary run();

private:
    struct Chapter {
        int number = 0;
        int verses = 0;    // Ayat: the highest verse number of any version
        QStringList texts; // one per version
        QString commentary;
        std::vector<OutlineEntry> outline;
    };
    struct Book {
        int position = 0;
        QString osis;
        QString name;
        QStringList names; // one per version; the first is the canonical name
        std::vector<Chapter> chapters;
    };
    struct Note {
        scripture::LocationKey from;
        QStringList targets; // OSIS references
    };
    struct Version {
        BibleSource source;
        ModuleInfo info;
        bool oldTestament = false;
        bool newTestament = false;
    };

    void say(const QString& line) const;
    void checkOptions();
    void checkModules();
    ModuleInfo requireModule(const QString& module, const QString& category) const;
    void readData();
    void readBibles();
    Book readBook(int position);
    void readCommentary(Book& book);
    void readNotes(const Book& book, int chapter, const QString& markup, int verse);
    void readDeuterocanon();
    void readTopics();
    void mergeHeadwords();
    void addNotes();
    void addParallels();
    void fitPericopes();
    void buildBookFacts();
    void reportLeftOut();

    void recoverOutFolder() const;
    void writeAll();
    void drawPictures(const QString& folder);
    void writeTips(const QString& path) const;
    void writeStore(const QString& path);
    [[noreturn]] void failWriting(const QString& cause) const;
    void writeScripture(store::StoreWriter& writer);
    void writeBooks(store::StoreWriter& writer);
    void writeCatalogue(store::StoreWriter& writer);
    void writeStudy(store::StoreWriter& writer);
    void writeInfo(store::StoreWriter& writer);
    void writeModules(store::StoreWriter& writer);
    void count(const QString& table, int rows = 1);
    QString referenceNotice() const;

    ImportOptions options_;
    Progress progress_;
    const ModuleSource& source_;
    StoreBounds bounds_;
    std::vector<Note> notes_;
    LeftOut topicsLeft_{QStringLiteral("UsysTematik")};
    LeftOut dictionaryLeft_{QStringLiteral("UsysKamus")};
    LeftOut referencesLeft_{QStringLiteral("Referensi")};
    LeftOut pericopesLeft_{QStringLiteral("Perikop")};
    std::vector<Version> versions_;
    std::vector<Book> books_;
    std::vector<BookFacts> facts_;
    CrossReferenceIndex crossReferences_;
    std::vector<std::pair<scripture::LocationKey, scripture::LocationKey>> topicLinks_;
    std::vector<store::DeuteroRow> deutero_;
    QString deuteroTitle_;
    std::vector<store::DictionaryRow> dictionary_;
    std::vector<store::ThematicRow> thematic_;
    std::vector<store::ParableRow> parables_;
    std::vector<store::ProphecyRow> prophecies_;
    std::vector<store::PictureRow> pictures_;
    std::map<QString, QString> dataTexts_;
    QStringList rightsParagraphs_;
    ImportSummary summary_;
};

} // namespace import
