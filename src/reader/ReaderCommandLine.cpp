#include "reader/ReaderCommandLine.h"

#include "platform/Display.h"
#include "platform/QtTranslation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstdlib>

namespace reader {

namespace {

QCommandLineOption Option(const char* name, const char* description, const char* value = "") {
    return {QString::fromUtf8(name), QString::fromUtf8(description), QString::fromUtf8(value)};
}

QString NoDisplay() {
    return QStringLiteral("vermara memerlukan layar grafis, tetapi DISPLAY dan WAYLAND_DISPLAY "
                          "tidak diatur; jalankan dari desktop, atau cari tanpa jendela dengan "
                          "--search (vermara --help).");
}

} // namespace

ReaderCommandLine ParseReaderCommandLine(int argc, char** argv) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Vermara: membaca dan mempelajari Alkitab. Dengan --search, pencarian "
                       "dijalankan tanpa jendela dan hasilnya dicetak."));
    // Our own help option: Qt's adds --help-all, whose list of Qt's options is English.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Tampilkan bantuan ini."));
    parser.addOption(help);
    const QCommandLineOption data = Option("data", "Berkas data atau folder yang dibuka.", "PATH");
    const QCommandLineOption screenshot =
        Option("screenshot", "Simpan jendela utama sebagai PNG, lalu keluar.", "BERKAS");
    const QCommandLineOption parallel =
        Option("parallel", "Bersama --screenshot: tampilkan panel padanan.");
    const QCommandLineOption textOnly =
        Option("text-only", "Bersama --screenshot: tampilan teks saja.");
    parser.addOptions({data, screenshot, parallel, textOnly});
    // Listed for the help text; a run with --search is answered before this parser.
    parser.addOptions(
        {Option("search", "Cari ekspresi ini di seluruh Alkitab tanpa jendela.", "EKSPRESI"),
         Option("scope",
                "Lingkup pencarian: 0 pasal, 1 kitab, 2 perjanjian, 3 seluruh "
                "Alkitab (bawaan).",
                "0-3"),
         Option("book", "Kitab untuk lingkup 0-2 (nama kanonik, bawaan Kejadian).", "KITAB"),
         Option("chapter", "Pasal untuk lingkup 0 (bawaan 1).", "PASAL"),
         Option("exact", "Kata Tepat: huruf besar dan kecil dibedakan."),
         Option("whole-words", "Kata Utuh: kata hanya ditemukan sebagai kata utuh."),
         Option("fold", "Abaikan aksen dan bentuk apostrof (Jehova menemukan Jehová)."),
         Option("version", "Nomor versi dalam katalog (bawaan 1).", "NOMOR"),
         Option("keep", "Bersama --search: simpan berkas hasil pencarian di folder sementara.")});
    QCoreApplication core(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Vermara"));
    platform::InstallIndonesianQtTranslation(core);
    parser.process(core);
    if (parser.isSet(help))
        parser.showHelp(0);
    if (!platform::HasDisplay(QCoreApplication::arguments())) {
        QTextStream(stderr) << NoDisplay() << Qt::endl;
        std::exit(1);
    }
    return {parser.value(data), parser.value(screenshot), parser.isSet(parallel),
            parser.isSet(textOnly)};
}

} // namespace reader
