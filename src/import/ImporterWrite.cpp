#include "import/BookIntroWriter.h"
#include "import/ImportError.h"
#include "import/Importer.h"
#include "import/ModuleTexts.h"
#include "import/StagedFiles.h"
#include "import/WholeFile.h"
#include "scripture/BookCatalogue.h"
#include "store/ModuleSwitches.h"
#include "store/Schema.h"
#include "store/StoreError.h"
#include "store/StoreWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QVariant>
#include <array>

namespace import {

namespace {

// Text fields that take no zero-length text get Null instead.
QVariant TextOrNull(const QString& text) {
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString Testament(int position) {
    return scripture::IsOldTestament(position) ? QStringLiteral("Lama") : QStringLiteral("Baru");
}

const QString kPictureFolder = QStringLiteral("Peta");
const QString kTipsFile = QStringLiteral("VR_tips.dat");

} // namespace

// A run killed while its files took their places left them half swapped; this run first puts
// the folder in order.
void Importer::recoverOutFolder() const {
    StagedFiles::recover(options_.outFolder, {kPictureFolder, kTipsFile, store::kDataFileName});
}

// Whatever the cause (a full disk, a file-size limit, a folder that refuses), the staged
// files are dropped and the files already in the folder were never touched.
void Importer::failWriting(const QString& cause) const {
    throw ImportError(
        QStringLiteral("Folder tujuan %1 penuh atau tidak dapat ditulis, jadi database baru tidak "
                       "dapat dibuat. Database %2 dan gambar (folder %3) yang sudah ada di folder "
                       "itu tidak berubah.\nRincian: %4")
            .arg(QDir::toNativeSeparators(QDir(options_.outFolder).absolutePath()),
                 store::kDataFileName, kPictureFolder, cause));
}

// Pictures, tips and store are staged beside their places and moved in together at the end.
void Importer::writeAll() {
    const QDir out(options_.outFolder);
    StagedFiles staged(options_.outFolder);
    if (options_.drawPictures)
        drawPictures(staged.stage(kPictureFolder));
    writeTips(staged.stage(kTipsFile));
    try {
        writeStore(staged.stage(store::kDataFileName));
    } catch (const store::StoreError& error) {
        failWriting(error.message());
    }
    staged.commit();
    summary_.storePath = out.filePath(store::kDataFileName);
    summary_.bytes = QFileInfo(summary_.storePath).size();
}

void Importer::drawPictures(const QString& folder) {
    say(QStringLiteral("Menggambar peta dan bagan ..."));
    try {
        pictures_ = options_.drawPictures(folder, facts_);
    } catch (const ImportError& error) {
        failWriting(error.message());
    }
}

void Importer::writeTips(const QString& path) const {
    if (!WriteWholeFile(path, (dataTexts_.at(kTipsFile) + QStringLiteral("\r\n")).toUtf8()))
        failWriting(QStringLiteral("%1 tidak dapat ditulis.").arg(QDir::toNativeSeparators(path)));
}

void Importer::writeStore(const QString& path) {
    store::CreateDefaultDB(path);
    store::StoreWriter writer(path);
    writer.begin();
    say(QStringLiteral("Menulis %1 ...").arg(QDir::toNativeSeparators(path)));
    writeScripture(writer);
    writeBooks(writer);
    writeCatalogue(writer);
    writeStudy(writer);
    writeInfo(writer);
    writeModules(writer);
    count(QStringLiteral("Error"), 0);
    writer.commit();
}

void Importer::count(const QString& table, int rows) {
    summary_.rows[table] += rows;
}

void Importer::writeScripture(store::StoreWriter& writer) {
    int urutan = 0;
    for (const Book& book : books_) {
        for (const Chapter& chapter : book.chapters) {
            ++urutan;
            store::StoreWriter::Row row = {{QStringLiteral("id"), urutan},
                                           {QStringLiteral("Perjanjian"), Testament(book.position)},
                                           {QStringLiteral("Urutan"), urutan},
                                           {QStringLiteral("Buku"), book.name},
                                           {QStringLiteral("Bab"), chapter.number},
                                           {QStringLiteral("Ayat"), chapter.verses},
                                           {QStringLiteral("Komentar"), chapter.commentary}};
            for (int v = 0; v < chapter.texts.size(); ++v)
                row.emplace_back(store::VersionColumn(v + 1), chapter.texts[v]);
            writer.insert(QStringLiteral("UsysAlkitab"), row);
        }
    }
    count(QStringLiteral("UsysAlkitab"), urutan);
    say(QStringLiteral("  %1 pasal ditulis").arg(urutan));
}

void Importer::writeBooks(store::StoreWriter& writer) {
    for (size_t i = 0; i < books_.size(); ++i) {
        const Book& book = books_[i];
        QStringList perikop;
        for (const Chapter& chapter : book.chapters)
            perikop << PerikopLines(book.name, chapter.number, chapter.outline);
        const QString referensi = crossReferences_.referensi(book.name);
        summary_.booksWithPericopes += perikop.isEmpty() ? 0 : 1;
        summary_.booksWithReferences += referensi.isEmpty() ? 0 : 1;
        const BookTexts texts = WriteBookTexts(facts_[i], facts_);
        store::StoreWriter::Row row = {
            {QStringLiteral("Urutan"), book.position},
            {QStringLiteral("Perjanjian"), Testament(book.position)},
            {QStringLiteral("JumlahBuku"), int(book.chapters.size())},
            {QStringLiteral("Intro"), texts.intro},
            {QStringLiteral("Pengantar"), texts.pengantar},
            {QStringLiteral("Perikop"), perikop.join(QStringLiteral("\r\n"))},
            {QStringLiteral("Referensi"), TextOrNull(referensi)},
            {QStringLiteral("CiriKhas"), texts.ciriKhas},
            {QStringLiteral("Survai"), texts.survai}};
        for (int v = 0; v < book.names.size(); ++v)
            row.emplace_back(store::VersionColumn(v + 1), Fit(book.names[v], 100));
        writer.insert(QStringLiteral("UsysKitab"), row);
    }
    count(QStringLiteral("UsysKitab"), int(books_.size()));
}

void Importer::writeCatalogue(store::StoreWriter& writer) {
    for (size_t v = 0; v < versions_.size(); ++v) {
        const Version& version = versions_[v];
        writer.insert(QStringLiteral("UsysVersi"),
                      {{QStringLiteral("nr"), int(v + 1)},
                       {QStringLiteral("NamaVersi"), Fit(version.source.name, 50)},
                       {QStringLiteral("SourceFolder"), Fit(version.source.module, 255)},
                       {QStringLiteral("NamaTabel"), store::VersionColumn(int(v + 1))},
                       {QStringLiteral("Aktif"), 1},
                       {QStringLiteral("HakCipta"), Fit(CopyrightLine(version.info), 255)},
                       {QStringLiteral("Lama"), version.oldTestament ? 1 : 0},
                       {QStringLiteral("Baru"), version.newTestament ? 1 : 0}});
    }
    count(QStringLiteral("UsysVersi"), int(versions_.size()));
}

void Importer::writeStudy(store::StoreWriter& writer) {
    using Row = store::StoreWriter::Row;
    // One row of table for each record, its fields as fields gives them.
    const auto write = [&](const QString& table, const auto& records, auto fields) {
        for (const auto& record : records)
            writer.insert(table, fields(record));
        count(table, int(records.size()));
    };
    write(QStringLiteral("UsysDeuterokanonika"), deutero_, [](const store::DeuteroRow& row) {
        return Row{{QStringLiteral("Urutan"), row.urutan},
                   {QStringLiteral("Buku1"), row.buku1},
                   {QStringLiteral("Buku2"), row.buku2},
                   {QStringLiteral("Buku3"), row.buku3},
                   {QStringLiteral("Bab"), row.bab},
                   {QStringLiteral("Kitab1"), TextOrNull(row.kitab1)}};
    });
    write(QStringLiteral("UsysKamus"), dictionary_, [](const store::DictionaryRow& row) {
        return Row{{QStringLiteral("Entri"), row.entri},
                   {QStringLiteral("Penjelasan"), row.penjelasan}};
    });
    write(QStringLiteral("UsysTematik"), thematic_, [](const store::ThematicRow& row) {
        return Row{{QStringLiteral("id"), row.id},
                   {QStringLiteral("Topik"), row.topik},
                   {QStringLiteral("Ayat"), row.ayat}};
    });
    write(QStringLiteral("UsysUmpama"), parables_, [](const store::ParableRow& row) {
        return Row{{QStringLiteral("Urutan"), row.urutan},
                   {QStringLiteral("Perumpamaan"), row.perumpamaan},
                   {QStringLiteral("Markus"), TextOrNull(row.markus)},
                   {QStringLiteral("Matius"), TextOrNull(row.matius)},
                   {QStringLiteral("Lukas"), TextOrNull(row.lukas)},
                   {QStringLiteral("Yohanes"), TextOrNull(row.yohanes)}};
    });
    write(QStringLiteral("UsysNubuat"), prophecies_, [](const store::ProphecyRow& row) {
        return Row{{QStringLiteral("Urutan"), row.urutan},
                   {QStringLiteral("Nubuat"), row.nubuat},
                   {QStringLiteral("Lama"), row.lama},
                   {QStringLiteral("Baru"), row.baru}};
    });
    write(QStringLiteral("UsysGambar"), pictures_, [](const store::PictureRow& row) {
        return Row{{QStringLiteral("kategori"), row.kategori},
                   {QStringLiteral("Judul"), row.judul},
                   {QStringLiteral("Gambar"), row.gambar},
                   {QStringLiteral("Keterangan"), row.keterangan}};
    });
}

void Importer::writeInfo(store::StoreWriter& writer) {
    const auto info = [&](int id, const QString& text) {
        writer.insert(QStringLiteral("UsysInfo"),
                      {{QStringLiteral("id"), id}, {QStringLiteral("Keterangan"), text}});
        count(QStringLiteral("UsysInfo"));
    };
    const QString crlf = QStringLiteral("\r\n\r\n");
    info(1, dataTexts_.at(QStringLiteral("info_about.txt")) + crlf + referenceNotice());
    info(3, dataTexts_.at(QStringLiteral("info_rules.txt")));
    info(4, dataTexts_.at(QStringLiteral("info_rights.txt")) + crlf + rightsParagraphs_.join(crlf));
    info(99, dataTexts_.at(QStringLiteral("info_edition.txt")));
    if (!deutero_.empty())
        info(201, deuteroTitle_);
}

void Importer::writeModules(store::StoreWriter& writer) {
    const auto anyBook = [&](auto has) { return std::any_of(books_.begin(), books_.end(), has); };
    const bool pericopes = anyBook([](const Book& book) {
        return std::any_of(book.chapters.begin(), book.chapters.end(),
                           [](const Chapter& c) { return !c.outline.empty(); });
    });
    const bool commentary = anyBook([](const Book& book) {
        return std::any_of(book.chapters.begin(), book.chapters.end(),
                           [](const Chapter& c) { return !c.commentary.isEmpty(); });
    });
    // The book texts are written for every book of the store.
    const bool bookTexts = !books_.empty();
    const std::array<bool, store::kModuleCount> present = {pericopes,
                                                           bookTexts,
                                                           !parables_.empty(),
                                                           !pictures_.empty(),
                                                           !dictionary_.empty(),
                                                           !prophecies_.empty(),
                                                           commentary,
                                                           !deutero_.empty(),
                                                           bookTexts,
                                                           !thematic_.empty()};
    const QStringList& names = store::ModuleNames();
    for (int i = 0; i < store::kModuleCount; ++i) {
        writer.insert(QStringLiteral("UsysMenu"), {{QStringLiteral("id"), i + 1},
                                                   {QStringLiteral("NamaMenu"), names[i]},
                                                   {QStringLiteral("Aktif"), present[i] ? 1 : 0}});
    }
    count(QStringLiteral("UsysMenu"), int(names.size()));
}

} // namespace import
