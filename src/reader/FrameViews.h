#pragma once

#include <QObject>

class QFrame;
class QWidget;

namespace reader {

class MainMenus;
struct OptionSettings;

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

class FrameViews : public QObject {
    Q_OBJECT
public:
    FrameViews(const FrameRegions& regions, MainMenus& menus, QObject* parent);

    void applyNormalView();
    // The regions and their "Tampilan" check marks as the settings left them.
    void applySettings(const OptionSettings& options);
    // Command6: the text alone, or back to the normal view.
    void toggleTextOnly();
    bool textOnly() const;

    void toggleBookPanel();
    void toggleToolBar();
    void toggleSearchBar();
    void toggleStatusLine();
    void toggleSpecialToolBar();

private:
    void setHeight(QWidget* region, int twips, bool visible);
    void setBookPanelWidth(int twips);
    void checkShowItems(bool checked);

    FrameRegions regions_;
    MainMenus& menus_;
    int bookPanelTwips_ = 0; // in twips: a collapsed panel is narrower than a pixel or two
};

} // namespace reader
