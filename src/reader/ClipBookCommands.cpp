#include "reader/ClipBookCommands.h"

#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/ReadingArea.h"
#include "reader/SearchCommands.h"
#include "results/ClipBook.h"
#include "results/Form2.h"
#include "results/ViewSelection.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextEdit>

namespace reader {

ClipBookCommands::ClipBookCommands(MainWindow& window, SearchCommands& search)
    : QObject(&window), window_(window), search_(search) {
    connect(&window, &MainWindow::commandRequested, this, &ClipBookCommands::answer);
}

void ClipBookCommands::answer(ReaderCommand command) {
    ReadingArea& area = window_.readingArea();
    switch (command) {
    case ReaderCommand::Copy:
        copy();
        break;
    case ReaderCommand::CopyToClipBook:
        CopyToClipBook(area.rtf1(), QString(), chosenBook() + u' ');
        break;
    case ReaderCommand::CopyParallelToClipBook:
        CopyToClipBook(area.rtf2(), QString(), chosenBook() + u' ');
        break;
    default:
        break;
    }
}

void ClipBookCommands::CopyToClipBook(const QTextEdit* view, const QString& prefix,
                                      const std::optional<QString>& label) {
    appendEntry(
        results::ClipBookEntry(results::SelectedViewText(view), prefix, label, chosenBook()));
}

void ClipBookCommands::appendEntry(const QString& entry) {
    results::AppendViewText(search_.resultsWindow().rt2(), entry);
}

void ClipBookCommands::copy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(
        results::ClipboardText(results::SelectedViewText(window_.readingArea().rtf1())));
}

QString ClipBookCommands::chosenBook() const {
    const Navigator& nav = window_.navigator();
    const QStringList books = nav.bookNames();
    const int index = nav.bookIndex();
    return index >= 0 && index < books.size() ? books.at(index) : QString();
}

} // namespace reader
