#pragma once

#include "results/ResultList.h"
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
}

namespace results {

// The results window: the latest search's results ("cari"), the ClipBook ("clipbook") and
// the list of kept searches ("daftar"). Created once; closing only hides it.
class Form2 : public QWidget {
    Q_OBJECT
public:
    // Prepares a printer before printing; false cancels. The default shows the print dialog.
    using PrinterSetup = std::function<bool(QPrinter&)>;

    explicit Form2(platform::Dialogs& dialogs, QWidget* parent = nullptr);

    // The hidden mode label; SwitchWindow arranges the window for it.
    void setVarLabel(const QString& mode) { varLabel_ = mode; }
    const QString& varLabel() const { return varLabel_; }
    const QString& mode() const { return mode_; }
    void SwitchWindow();
    // Sets the mode, arranges the window and shows it.
    void showMode(const QString& mode);

    // Loads a results file into rt1, replacing its text.
    void loadResults(const QString& file);
    // AddResultListEntry: the search engine calls it only under "Pencarian Optimal".
    void AddResultListEntry(const search::ResultListEntry& entry);
    const ResultList& resultList() const { return list_; }

    QTextEdit* rt1() const { return rt1_; }
    QTextEdit* rt2() const { return rt2_; }
    QColor highlightColor() const { return color_; }
    void setPrinterSetup(PrinterSetup setup) { printerSetup_ = std::move(setup); }
    // Where the view font's name comes from on every activation (the chapter view's font).
    void setFontNameSource(std::function<QString()> source) { fontName_ = std::move(source); }

signals:
    // A verse line of the results was double-clicked; key is a location key "Matius#5:44".
    void referenceChosen(const QString& key);

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
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
    QString varLabel_ = QStringLiteral("cari");
    QString mode_ = QStringLiteral("cari");
    QColor color_{0, 0, 255};
    search::StopToken esc_;
    ResultList list_;
    PrinterSetup printerSetup_;
    std::function<QString()> fontName_;
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
