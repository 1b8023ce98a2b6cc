#include "import/DataFiles.h"

#include "import/ImportError.h"
#include "platform/AnsiCodePage.h"
#include "scripture/BookCatalogue.h"
#include "scripture/Notations.h"

#include <QSet>
#include <limits>

namespace import {

namespace {

// Field sizes of UsysUmpama and UsysNubuat.
constexpr int ReferenceSize = 50;
constexpr int ParableNameSize = 255;
constexpr int ProphecyNameSize = 50;

enum class Testament { Old, New };

struct TableLine {
    int number = 0; // 1-based line of the file
    QStringList cells;
};

// Where in which file a bad row stands; every complaint about a row names it.
struct RowPlace {
    QString path;
    int line = 0;
    const ReferenceCheck* check = nullptr;
};

[[noreturn]] void Fail(const RowPlace& where, const QString& cause) {
    throw ImportError(QStringLiteral("%1 baris %2: %3").arg(where.path).arg(where.line).arg(cause));
}

QStringList SplitLines(const QString& text) {
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    return unified.split(u'\n');
}

QString ReadWholeFile(const QString& path) {
    bool ok = false;
    const QString text = platform::ReadTextFile(path, &ok);
    if (!ok)
        throw ImportError(QStringLiteral("Berkas data tidak dapat dibaca: %1").arg(path));
    return text;
}

// The rows under the header line, blank lines skipped; each row has the header's column count.
std::vector<TableLine> ReadTable(const QString& path, const QStringList& header) {
    const QStringList lines = SplitLines(ReadWholeFile(path));
    if (lines.first().split(u'\t') != header) {
        Fail({path, 1},
             QStringLiteral("judul kolom harus \"%1\"").arg(header.join(QStringLiteral("\", \""))));
    }
    std::vector<TableLine> rows;
    for (int i = 1; i < lines.size(); ++i) {
        if (lines.at(i).trimmed().isEmpty())
            continue;
        TableLine row{i + 1, lines.at(i).split(u'\t')};
        if (row.cells.size() != header.size()) {
            Fail(
                {path, row.number},
                QStringLiteral("%1 kolom, seharusnya %2").arg(row.cells.size()).arg(header.size()));
        }
        for (QString& cell : row.cells)
            cell = cell.trimmed();
        rows.push_back(row);
    }
    return rows;
}

int ReadOrder(const RowPlace& where, const QString& cell, int largest) {
    bool ok = false;
    const int value = cell.toInt(&ok);
    if (!ok || value < 1 || value > largest)
        Fail(where,
             QStringLiteral("Urutan \"%1\" bukan bilangan 1 sampai %2").arg(cell).arg(largest));
    return value;
}

QString ReadName(const RowPlace& where, const QString& cell, int size, QSet<QString>& seen) {
    if (cell.isEmpty())
        Fail(where, QStringLiteral("nama kosong"));
    if (cell.size() > size)
        Fail(where, QStringLiteral("nama lebih dari %1 karakter").arg(size));
    // The windows look a row up by its name without regard to case; a twin would be unreachable.
    const QString folded = cell.toLower();
    if (seen.contains(folded))
        Fail(where, QStringLiteral("nama \"%1\" sudah dipakai").arg(cell));
    seen.insert(folded);
    return cell;
}

bool InTestament(const QString& book, Testament testament) {
    return testament == Testament::Old ? scripture::GetBookIndexOT(book) >= 0
                                       : scripture::GetBookIndexNT(book) >= 0;
}

// A location key written exactly as the windows resolve it: no blanks, a canonical book of the
// expected testament, and (when given) that very book. Empty stays Null.
QString ReadReference(const RowPlace& where, const QString& cell, Testament testament,
                      const QString& book = {}) {
    if (cell.isEmpty())
        return {};
    const auto key = scripture::ParseLocationKey(cell);
    if (!key || scripture::FormatLocationKey(*key) != cell)
        Fail(where, QStringLiteral("rujukan \"%1\" tidak berbentuk Kitab#pasal:ayat").arg(cell));
    if (!InTestament(key->book, testament) || (!book.isEmpty() && key->book != book))
        Fail(where,
             QStringLiteral("rujukan \"%1\" tidak menunjuk kitab yang semestinya").arg(cell));
    if (cell.size() > ReferenceSize)
        Fail(where,
             QStringLiteral("rujukan \"%1\" lebih dari %2 karakter").arg(cell).arg(ReferenceSize));
    if (const QString fault = where.check && *where.check ? (*where.check)(*key) : QString();
        !fault.isEmpty())
        Fail(where, QStringLiteral("rujukan \"%1\": %2").arg(cell, fault));
    return cell;
}

} // namespace

std::vector<store::ParableRow> ReadParables(const QString& path, const ReferenceCheck& check) {
    static const QStringList header{"Urutan", "Perumpamaan", "Matius",
                                    "Markus", "Lukas",       "Yohanes"};
    std::vector<store::ParableRow> parables;
    QSet<QString> names;
    for (const TableLine& line : ReadTable(path, header)) {
        const RowPlace where{path, line.number, &check};
        const QStringList& c = line.cells;
        store::ParableRow row;
        row.urutan = ReadOrder(where, c[0], std::numeric_limits<qint32>::max());
        row.perumpamaan = ReadName(where, c[1], ParableNameSize, names);
        row.matius = ReadReference(where, c[2], Testament::New, header[2]);
        row.markus = ReadReference(where, c[3], Testament::New, header[3]);
        row.lukas = ReadReference(where, c[4], Testament::New, header[4]);
        row.yohanes = ReadReference(where, c[5], Testament::New, header[5]);
        if (row.matius.isNull() && row.markus.isNull() && row.lukas.isNull() &&
            row.yohanes.isNull())
            Fail(where, QStringLiteral("tidak ada rujukan Injil"));
        parables.push_back(row);
    }
    return parables;
}

std::vector<store::ProphecyRow> ReadProphecies(const QString& path, const ReferenceCheck& check) {
    static const QStringList header{"Urutan", "Nubuat", "Lama", "Baru"};
    std::vector<store::ProphecyRow> prophecies;
    QSet<QString> names;
    for (const TableLine& line : ReadTable(path, header)) {
        const RowPlace where{path, line.number, &check};
        const QStringList& c = line.cells;
        store::ProphecyRow row;
        row.urutan = qint16(ReadOrder(where, c[0], std::numeric_limits<qint16>::max()));
        row.nubuat = ReadName(where, c[1], ProphecyNameSize, names);
        row.lama = ReadReference(where, c[2], Testament::Old);
        row.baru = ReadReference(where, c[3], Testament::New);
        if (row.lama.isNull() || row.baru.isNull())
            Fail(where, QStringLiteral("nubuat tanpa rujukan Lama atau Baru"));
        prophecies.push_back(row);
    }
    return prophecies;
}

QString ReadDataText(const QString& path) {
    QStringList lines = SplitLines(ReadWholeFile(path));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    return lines.join(QStringLiteral("\r\n"));
}

} // namespace import
