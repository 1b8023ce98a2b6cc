#pragma once

#include <QString>
#include <QStringList>

namespace search {

inline const QString kCrLf = QStringLiteral("\r\n");

// One kept search of the results list: its title, results file and summary lines.
struct ResultListEntry {
    QString title;
    QString file;
    QString summary;
};

// The verses found so far, as the records of a results file.
class ResultRecords {
public:
    void add(const QString& reference, QStringView line);
    int count() const { return count_; }
    const QString& text() const { return text_; }

private:
    QString text_;
    int count_ = 0;
};

// The whole file: the three header lines, the found count and time inserted after them,
// the stop marks when the search was stopped, and the records.
QString ComposeResultsFile(const QStringList& header, const ResultRecords& records,
                           const QString& elapsed, bool stopped);

// True when the file at path is a finished (not stopped) search whose header lines are
// these; anything else must be searched again, even under the same file name.
bool IsReusableResultsFile(const QString& path, const QStringList& header);

// Deletes the results files in the folder, "~vr" + the decimal key hash (none for an empty
// key) + ".tmp", with their stamps, and nothing else: other files of the program (an earlier
// bookmark list, "~vrBookmarks.tmp") may share the folder. A missing folder or file is no
// failure; an empty folder name is no folder.
void DeleteResultFiles(const QString& tempFolder);

} // namespace search
