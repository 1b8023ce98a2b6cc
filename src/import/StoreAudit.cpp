#include "import/StoreAudit.h"

#include "import/NaveReferences.h"
#include "import/StoreBounds.h"
#include "scripture/BookCatalogue.h"
#include "scripture/Notations.h"
#include "store/Store.h"

#include <QRegularExpression>
#include <QSet>

namespace import {

namespace {

class Audit {
public:
    explicit Audit(const store::Store& store) : store_(store) {
        for (const store::ChapterRow& chapter : store.chapters())
            bounds_.addChapter(chapter.buku, chapter.bab, chapter.ayat);
    }

    QStringList run() {
        thematic();
        books();
        parablesAndProphecies();
        dictionary();
        return findings_;
    }

private:
    void key(const QString& where, const std::optional<scripture::LocationKey>& key,
             const QString& written) {
        const QString fault = key ? bounds_.fault(*key) : QStringLiteral("tidak terbaca");
        if (!fault.isEmpty())
            findings_ << QStringLiteral("%1: \"%2\": %3").arg(where, written, fault);
    }

    void location(const QString& where, const QString& written) {
        key(where, scripture::ParseLocationKey(written), written);
    }

    void thematic() {
        for (const store::ThematicRow& row : store_.thematic())
            location(QStringLiteral("UsysTematik %1").arg(row.id), row.ayat);
    }

    void books() {
        static const QRegularExpression chapterOfLine(QStringLiteral("^#(\\d+)#"));
        for (const store::BookRow& book : store_.books()) {
            const QString name = book.names.value(0);
            for (const QString& line : book.referensi.split(QStringLiteral("\r\n"))) {
                const int chapter = chapterOfLine.match(line).captured(1).toInt();
                for (const auto& entry :
                     scripture::CrossReferencesOfChapter(book.referensi, chapter))
                    crossReferences(name, entry);
            }
            for (const QString& line :
                 book.perikop.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
                const auto pericope = scripture::ParsePericopeLine(line);
                location(QStringLiteral("Perikop %1").arg(name),
                         pericope ? pericope->reference : line);
            }
        }
    }

    void crossReferences(const QString& book, const scripture::CrossReferenceLine& entry) {
        const QString where = QStringLiteral("Referensi %1 %2").arg(book, entry.label);
        const QStringList verse = entry.label.split(u':');
        key(where, scripture::LocationKey{book, verse.value(0).toInt(), verse.value(1).toInt(), 0},
            entry.label);
        for (const QString& reference : entry.references)
            key(where, scripture::ParseDisplayReference(reference), reference);
    }

    void parablesAndProphecies() {
        for (const store::ParableRow& row : store_.parables()) {
            for (const QString& reference : {row.matius, row.markus, row.lukas, row.yohanes}) {
                if (!reference.isEmpty())
                    location(QStringLiteral("UsysUmpama %1").arg(row.perumpamaan), reference);
            }
        }
        for (const store::ProphecyRow& row : store_.prophecies()) {
            location(QStringLiteral("UsysNubuat %1").arg(row.nubuat), row.lama);
            location(QStringLiteral("UsysNubuat %1").arg(row.nubuat), row.baru);
        }
    }

    void dictionary() {
        QSet<QString> headwords;
        for (const store::DictionaryRow& row : store_.dictionary()) {
            const QString where = QStringLiteral("UsysKamus %1").arg(row.entri);
            if (headwords.contains(row.entri.toLower()))
                findings_ << QStringLiteral("%1: entri ganda").arg(where);
            headwords.insert(row.entri.toLower());
            explanation(where, row.penjelasan);
        }
    }

    void explanation(const QString& where, const QString& text) {
        for (const ReferenceRun& run : FindWrittenReferences(text)) {
            const QString written = text.mid(run.start, run.length);
            if (run.glued)
                findings_ << QStringLiteral("%1: \"%2\" menempel pada kata").arg(where, written);
            for (const scripture::LocationKey& reference : run.keys)
                key(where, reference, written);
        }
        for (const ReferenceRun& run : FindNaveReferences(text)) {
            const QString written = text.mid(run.start, run.length);
            if (!WrittenAt(text, run.start))
                findings_ << QStringLiteral("%1: \"%2\" tidak diubah").arg(where, written);
        }
    }

    // Canonical names such as "Amos" or "Titus" are spelt as Nave's full names are.
    static bool WrittenAt(const QString& text, qsizetype start) {
        const auto runs = FindWrittenReferences(text.mid(start));
        return !runs.empty() && runs.front().start == 0;
    }

    const store::Store& store_;
    StoreBounds bounds_;
    QStringList findings_;
};

} // namespace

QStringList AuditStore(const store::Store& store) {
    return Audit(store).run();
}

} // namespace import
