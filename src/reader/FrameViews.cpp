#include "reader/FrameViews.h"

#include "reader/MainMenus.h"
#include "reader/ReaderSettings.h"
#include "reader/UiMetrics.h"

#include <QAction>
#include <QWidget>

namespace reader {

namespace {
constexpr int kToolBarHeight = 765;
constexpr int kSearchBarHeight = 570;
constexpr int kStatusHeight = 300;
constexpr int kBookPanelWidth = 2295;
constexpr int kCollapsed = 10;
constexpr int kRestoreBarHeight = 300;
} // namespace

FrameViews::FrameViews(const FrameRegions& regions, MainMenus& menus, QObject* parent)
    : QObject(parent), regions_(regions), menus_(menus) {
    setBookPanelWidth(kBookPanelWidth);
    setHeight(regions_.toolBar, kToolBarHeight, true);
    setHeight(regions_.specialToolBar, kToolBarHeight, true);
    setHeight(regions_.searchBar, kSearchBarHeight, true);
    setHeight(regions_.statusLine, kStatusHeight, true);
    setHeight(regions_.restoreBar, kRestoreBarHeight, false);
}

void FrameViews::setHeight(QWidget* region, int twips, bool visible) {
    region->setFixedHeight(Twips(region, twips));
    region->setVisible(visible);
}

void FrameViews::setBookPanelWidth(int twips) {
    bookPanelTwips_ = twips;
    regions_.bookPanel->setFixedWidth(Twips(regions_.bookPanel, twips));
}

bool FrameViews::textOnly() const {
    return bookPanelTwips_ < 20;
}

void FrameViews::checkShowItems(bool checked) {
    for (ReaderCommand item : {ReaderCommand::ToggleToolBar, ReaderCommand::ToggleSearchBar,
                               ReaderCommand::ToggleBookPanel, ReaderCommand::ToggleStatusLine})
        menus_.action(item)->setChecked(checked);
}

void FrameViews::applyNormalView() {
    setHeight(regions_.searchBar, kSearchBarHeight, true);
    setBookPanelWidth(kBookPanelWidth);
    setHeight(regions_.toolBar, kToolBarHeight, true);
    setHeight(regions_.statusLine, kStatusHeight, true);
    const bool special = menus_.action(ReaderCommand::ToggleSpecialToolBar)->isChecked();
    setHeight(regions_.specialToolBar, kToolBarHeight, special);
    checkShowItems(true);
    regions_.restoreBar->hide();
}

void FrameViews::applySettings(const OptionSettings& o) {
    setHeight(regions_.statusLine, o.statusLine ? kStatusHeight : kCollapsed, o.statusLine);
    setHeight(regions_.toolBar, o.toolBar ? kToolBarHeight : kCollapsed, o.toolBar);
    setHeight(regions_.specialToolBar, kToolBarHeight, o.specialToolBar);
    setBookPanelWidth(o.bookPanel ? kBookPanelWidth : kCollapsed);
    regions_.restoreBar->setVisible(!o.bookPanel);
    setHeight(regions_.searchBar, o.searchBar ? kSearchBarHeight : kCollapsed, o.searchBar);
    const std::pair<ReaderCommand, bool> checks[] = {
        {ReaderCommand::ToggleStatusLine, o.statusLine},
        {ReaderCommand::ToggleToolBar, o.toolBar},
        {ReaderCommand::ToggleSpecialToolBar, o.specialToolBar},
        {ReaderCommand::ToggleBookPanel, o.bookPanel},
        {ReaderCommand::ToggleSearchBar, o.searchBar}};
    for (const auto& [item, checked] : checks)
        menus_.action(item)->setChecked(checked);
}

void FrameViews::toggleTextOnly() {
    if (textOnly()) {
        applyNormalView();
        return;
    }
    setHeight(regions_.restoreBar, kRestoreBarHeight, true);
    setBookPanelWidth(kCollapsed);
    setHeight(regions_.searchBar, kCollapsed, false);
    setHeight(regions_.toolBar, kCollapsed, false);
    setHeight(regions_.specialToolBar, kCollapsed, false);
    setHeight(regions_.statusLine, kCollapsed, false);
    checkShowItems(false);
    regions_.dropDown->hide();
}

void FrameViews::toggleBookPanel() {
    const bool collapsed = textOnly();
    setBookPanelWidth(collapsed ? kBookPanelWidth : kCollapsed);
    menus_.action(ReaderCommand::ToggleBookPanel)->setChecked(collapsed);
    regions_.restoreBar->setVisible(!collapsed);
}

void FrameViews::toggleToolBar() {
    const bool show = regions_.toolBar->isHidden();
    setHeight(regions_.toolBar, show ? kToolBarHeight : kCollapsed, show);
    menus_.action(ReaderCommand::ToggleToolBar)->setChecked(show);
}

void FrameViews::toggleSearchBar() {
    const bool show = regions_.searchBar->isHidden();
    setHeight(regions_.searchBar, show ? kSearchBarHeight : kCollapsed, show);
    menus_.action(ReaderCommand::ToggleSearchBar)->setChecked(show);
}

void FrameViews::toggleStatusLine() {
    const bool show = regions_.statusLine->isHidden();
    setHeight(regions_.statusLine, show ? kStatusHeight : kCollapsed, show);
    menus_.action(ReaderCommand::ToggleStatusLine)->setChecked(show);
}

void FrameViews::toggleSpecialToolBar() {
    const bool show = regions_.specialToolBar->isHidden();
    setHeight(regions_.specialToolBar, kToolBarHeight, show);
    menus_.action(ReaderCommand::ToggleSpecialToolBar)->setChecked(show);
}

} // namespace reader
