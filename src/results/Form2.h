#pragma once

#include "results/ResultList.h"
#include "results/ResultsPage.h"
#include "scripture/Notations.h"
#include "search/StopToken.h"

#include <QColor>
#include <QWidget>
#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPrinter;
class QPushButton;
class QTabBar;
class QTextEdit;
class QToolButton;

namespace platform {
class Dialogs;
class ReadingLook;
} // namespace platform

namespace results {

// The results window: the latest search's results ("cari"), the ClipBook ("clipbook") and
// the list of kept searches ("daftar"). Created once; closing only hides it. Its views and
// lists take the reading font's family.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // Prepares a printer before printing; false cancels. The default shows the print dialog.
    using PrinterSetup = std::function<bool(QPrinter&)>;

    Form2(platform::Dialogs& dialogs, const platform::ReadingLook& look, QWidget* parent = nullptr);

    // The hidden mode label; SwitchWindow arranges the window for it.
    void setVarLabel(ResultsPage mode) { varLabel_ = mode; }
    ResultsPage varLabel() const { return varLabel_; }
    ResultsPage mode() const { return mode_; }
    void SwitchWindow();
    // Sets the mode, arranges the window and shows it.
    void showMode(ResultsPage mode);

    // Loads a results file into rt1, replacing its text.
    void loadResults(const QString& file);
    // Marks the searched words in rt1 as "Highlight" does; Escape stops it.
    void highlightFound(const QStringList& words, bool exact);
    // AddResultListEntry: the search engine calls it only under "Pencarian Optimal".
    void AddResultListEntry(const search::ResultListEntry& entry);
    const ResultList& resultList() const { return list_; }

    QTextEdit* rt1() const { return rt1_; }
    QTextEdit* rt2() const { return rt2_; }
    QColor highlightColor() const { return color_; }
    void setPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }

signals:
    // A verse line of the results was double-clicked, or Enter pressed on it.
    void referenceChosen(const scripture::LocationKey& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void takeLook();
    // The verse of that line of rt1 (0-based), when it has one, is chosen.
    void chooseResultLine(int line);
    QWidget* buildTextTools();
    QWidget* buildListTools();
    // The text view of the current mode: rt1 for "cari", else rt2.
    QTextEdit* modeView() const;
    void tabChosen(int index);
    void highlight();
    void chooseColor();
    void print();
    void save();
    void open();
    void showSelected();
    void deleteSelected();
    void clearList();
    void listMenu(const QPoint& pos);
    void refreshList();

    platform::Dialogs& dialogs_;
    const platform::ReadingLook& look_;
    ResultsPage varLabel_ = ResultsPage::Cari;
    ResultsPage mode_ = ResultsPage::Cari;
    QColor color_{0, 0, 255};
    search::StopToken esc_;
    ResultList list_;
    PrinterSetup printerSetup_;
    QTabBar* tabs_;
    QLabel* picture_;
    QWidget* frame1_;
    QWidget* frame2_;
    QTextEdit* rt1_;
    QTextEdit* rt2_;
    QLineEdit* text1_;
    QCheckBox* check1_;
    QPushButton* command8_;
    QToolButton* picClr_;
    QListWidget* list1_;
    QLabel* keterangan_;
    QMenu* menuTemp_;
};

} // namespace results
