// Saves the introduction window, the pericope index and the ClipBook on a store:
// reading_aids_screenshots STORE OUTFOLDER.
#include "platform/ScriptedDialogs.h"
#include "reader/BookIntroductions.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReaderApp.h"
#include "reader/ReaderCommand.h"
#include "reader/SearchCommands.h"
#include "results/Form2.h"
#include "store/Store.h"
#include "study/PericopeWindow.h"
#include "study/StudyCommands.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

namespace {

// The main window and a side window beside it, as one picture.
bool SaveSideBySide(QWidget& main, QWidget& side, const QString& file) {
    QTest::qWait(300);
    const QPixmap left = main.grab();
    const QPixmap right = side.grab();
    QPixmap both(left.width() + right.width(), std::max(left.height(), right.height()));
    both.fill(Qt::white);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, left);
    painter.drawPixmap(left.width(), 0, right);
    painter.end();
    const bool saved = both.save(file);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
    return saved;
}

bool Save(QWidget& window, const QString& file) {
    QTest::qWait(300);
    const bool saved = window.grab().save(file);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(file));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: reading_aids_screenshots STORE OUTFOLDER\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    const QString folder = QFileInfo(path).absolutePath() + u'/';
    QTemporaryDir dir;
    platform::ScriptedDialogs dialogs;
    reader::ReaderApp reader(dialogs, dir.filePath(QStringLiteral("settings.ini")),
                             {folder, dir.path(), dir.path(), dir.path()});
    if (!reader.start(path) || !reader.context().store)
        return 1;
    reader::MainWindow& window = reader.window();
    study::StudyCommands& commands = *reader.studyCommands();
    window.resize(640, 560);
    window.move(0, 0);
    window.show();
    QTest::qWait(500);

    reader::Navigator& nav = window.navigator();
    nav.chooseTestament(false);
    nav.chooseBook(2); // Lukas
    window.execute(reader::ReaderCommand::BookIntroduction);
    reader::IntroWindow& form8 = window.bookIntroductions().introWindow();
    bool ok = SaveSideBySide(window, form8, out.filePath(QStringLiteral("intro-window.png")));
    form8.close();

    nav.chooseTestament(true);
    nav.chooseBook(18); // Mazmur
    nav.chooseChapter(23);
    window.execute(reader::ReaderCommand::Pericope);
    study::PericopeWindow& form12 = commands.pericopes();
    ok &= SaveSideBySide(window, form12, out.filePath(QStringLiteral("pericope-index.png")));
    form12.close();

    nav.goTo(QStringLiteral("Matius"), 5, 3);
    window.execute(reader::ReaderCommand::SelectVerse);
    window.execute(reader::ReaderCommand::CopyToClipBook);
    nav.goTo(QStringLiteral("Yohanes"), 3, 16);
    window.execute(reader::ReaderCommand::SelectVerse);
    window.execute(reader::ReaderCommand::CopyToClipBook);
    nav.goTo(QStringLiteral("Roma"), 8, 28);
    window.execute(reader::ReaderCommand::SelectVerse);
    window.execute(reader::ReaderCommand::CopyToClipBook);
    results::Form2& results = reader.search()->resultsWindow();
    results.showMode(results::ResultsPage::ClipBook);
    results.resize(760, 420);
    ok &= Save(results, out.filePath(QStringLiteral("clipbook.png")));
    return ok && dialogs.messages().isEmpty() ? 0 : 1;
}
