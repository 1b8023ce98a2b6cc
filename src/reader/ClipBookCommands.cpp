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
    CommandBindings& commands = window.commands();
    commands.bind(ReaderCommand::Copy, [this] { copy(); });
    commands.bind(ReaderCommand::CopyToClipBook, [this] {
        CopyToClipBook(window_.readingArea().rtf1(), QString(), chosenBook() + u' ');
    });
    commands.bind(ReaderCommand::CopyParallelToClipBook, [this] {
        CopyToClipBook(window_.readingArea().rtf2(), QString(), chosenBook() + u' ');
    });
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
