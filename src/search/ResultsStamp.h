#pragma once

#include <QString>

namespace search {

// Ties a results file to the store it was searched in. The stamp, a file beside it named
// "<results file>.store", holds the store file's real path, size and modification time and a
// digest of the results file, so that a file searched in another store, or one replaced
// without its stamp, is searched again.
class ResultsStamp {
public:
    // The store file as it is now; one that cannot be found gives a stamp that matches nothing.
    explicit ResultsStamp(const QString& storePath);

    static QString PathFor(const QString& resultsFile);

    // Writes the stamp for a results file that holds resultsText, replacing an older one whole.
    bool write(const QString& resultsFile, const QString& resultsText) const;
    // True when the stamp beside the results file names this store and that file as it is.
    bool matches(const QString& resultsFile) const;

private:
    QString text(const QByteArray& resultsBytes) const;

    QString store_; // empty when the store file could not be found
};

} // namespace search
