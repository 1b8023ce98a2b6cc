#include "reader/FindCommands.h"

#include "platform/Dialogs.h"
#include "platform/ProductName.h"
#include "reader/ChapterView.h"
#include "reader/CommandBox.h"
#include "reader/Jumps.h"
#include "reader/MainWindow.h"
#include "reader/Navigator.h"
#include "reader/QueryEditor.h"
#include "reader/SearchBar.h"
#include "reader/WaitCursor.h"
#include "results/HighlightWord.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>

namespace reader {

namespace {

const QString kOperators = QStringLiteral("Anda menggunakan ekspresi pencarian + dan ^. ") +
                           QStringLiteral("\r\n") +
                           QStringLiteral("Gunakan tanda-tanda tersebut hanya untuk fungsi \" "
                                          "Cari Semua \".");

} // namespace

FindCommands::FindCommands(MainWindow& window, const store::Store& store,
                           platform::Dialogs& dialogs)
    : QObject(&window), window_(window), text1_(window.searchBar().text1()), dialogs_(dialogs),
      finder_(store) {
    CommandBindings& commands = window.commands();
    commands.bind(ReaderCommand::Find, [this] { Find(); });
    commands.bind(ReaderCommand::FindPrevious, [this] { findPrevious(); });
    commands.bind(ReaderCommand::FindNext, [this] { findNext(); });
    QLineEdit* text = window.searchBar().text1();
    connect(text, &QLineEdit::textChanged, this, &FindCommands::onTextChanged);
    // "Cari Semua" takes Enter unless the text is a command, which "Check" runs.
    connect(text, &QLineEdit::returnPressed, this, [this, text] {
        if (IsCommandText(text->text()))
            Find();
    });
    text->installEventFilter(this);
    // Like the store's record set, the row the arrows start from follows the reading position.
    const Navigator& nav = window.navigator();
    dataRow_ = nav.chapterRow().value_or(-1);
    connect(&nav, &Navigator::chapterChanged, this, [this, &nav] {
        if (const auto row = nav.chapterRow())
            dataRow_ = *row;
    });
}

void FindCommands::onTextChanged(const QString& text) {
    SearchBar& bar = window_.searchBar();
    bar.command(2)->setEnabled(false);
    bar.command(3)->setEnabled(false);
    const bool command = IsCommandText(text);
    bar.command(1)->setText(command ? QStringLiteral("Check") : QStringLiteral("Cari"));
    bar.command(1)->setDefault(command);
    bar.command(4)->setDefault(!command);
}

bool FindCommands::eventFilter(QObject* watched, QEvent* event) {
    if (watched != text1_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonDblClick) {
        openQueryEditor();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const auto held = Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier;
        if (enter && (key->modifiers() & held)) {
            openQueryEditor();
            return true;
        }
    }
    // After the click that gave the focus, so that the click does not undo the selection.
    if (event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, text1_, &QLineEdit::selectAll);
    return false;
}

void FindCommands::openQueryEditor() {
    QueryEditor editor(&window_);
    editor.edit(window_.searchBar().text1(), &window_.searchBar());
}

void FindCommands::Find() {
    SearchBar& bar = window_.searchBar();
    const QString text = bar.text1()->text();
    if (HasSearchOperators(text)) {
        tell(kOperators);
        return;
    }
    if (window_.runCommand(text))
        return;
    // Every text holds the empty word; there is nothing to find or mark.
    if (text.isEmpty())
        return;
    const bool exact = bar.check1()->isChecked();
    const auto scope = search::Scope(std::max(0, bar.combo2()->currentIndex()));
    if (scope == search::Scope::Chapter)
        findInChapter(text, exact);
    else
        findInScope(text, scope);
}

void FindCommands::findInChapter(const QString& word, bool exact) {
    QTextEdit& view = *window_.chapterView().readingView();
    if (!ChapterHasWord(view.toPlainText(), word, exact)) {
        tell(exact ? QStringLiteral("Kata dengan penulisan tepat tidak ditemukan.")
                   : QStringLiteral("Kata tidak ditemukan."));
        return;
    }
    results::HighlightWord(view, word, exact, nullptr, QColor(0, 0, 255));
}

void FindCommands::findInScope(const QString& word, search::Scope scope) {
    const Navigator& nav = window_.navigator();
    FindCriterion criterion{scope, nav.activeColumn(), word, nav.bookName(),
                            nav.oldTestament() ? QStringLiteral("Lama") : QStringLiteral("Baru")};
    std::optional<int> row;
    {
        const WaitCursor wait;
        row = finder_.findFirst(criterion);
    }
    if (!row) {
        tell(QStringLiteral("Kata tidak ditemukan"));
        return;
    }
    showFound(*row, word);
    window_.searchBar().command(3)->setEnabled(true);
}

void FindCommands::step(bool forward) {
    if (!finder_.hasCriterion())
        return;
    const std::optional<int> row = forward ? finder_.next(dataRow_) : finder_.previous(dataRow_);
    SearchBar& bar = window_.searchBar();
    if (!row) {
        tell(QStringLiteral("Kata sudah tidak ditemukan lagi"));
        bar.command(forward ? 3 : 2)->setEnabled(false);
        return;
    }
    showFound(*row, bar.text1()->text());
    bar.command(2)->setEnabled(true);
    bar.command(3)->setEnabled(true);
}

void FindCommands::showFound(int row, const QString& word) {
    dataRow_ = row;
    // A chapter the navigator cannot show (an Old Testament the version lacks) is passed over
    // by the next step, without marking the chapter that stays on screen.
    if (!window_.jumps().SetDataLocation(row))
        return;
    const bool exact = window_.searchBar().check1()->isChecked();
    results::HighlightWord(*window_.chapterView().readingView(), word, exact, nullptr, Qt::black);
}

void FindCommands::tell(const QString& text) {
    dialogs_.message(text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                     platform::kProductName);
}

} // namespace reader
