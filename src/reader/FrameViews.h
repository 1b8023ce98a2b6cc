#pragma once

#include "reader/ReaderOptions.h"

#include <QObject>

class QWidget;

namespace reader {

// The regions of the main window's frame, with the normal and the text-only views and the
// "Tampilan" toggles. Sizes are the frame's twips.
struct FrameRegions {
    QWidget* restoreBar;
    QWidget* toolBar;
    QWidget* specialToolBar;
    QWidget* searchBar;
    QWidget* bookPanel;
    QWidget* statusLine;
    QWidget* dropDown;
};

// The regions follow the options that show them; the text-only view and the normal view
// set those options together.
class FrameViews : public QObject {
    Q_OBJECT
public:
    FrameViews(const FrameRegions& regions, ReaderOptions& options, QObject* parent);

    void applyNormalView();
    // Command6: the text alone, or back to the normal view.
    void toggleTextOnly();
    bool textOnly() const;

private:
    void applyOption(Option option);
    void setHeight(QWidget* region, int twips, bool visible);
    void setBookPanelWidth(int twips);
    void showRegions(bool shown);

    FrameRegions regions_;
    ReaderOptions& options_;
    int bookPanelTwips_ = 0; // in twips: a collapsed panel is narrower than a pixel or two
};

} // namespace reader
