#include "reader/FrameViews.h"

#include "reader/UiMetrics.h"

#include <QWidget>

namespace reader {

namespace {
constexpr int kToolBarHeight = 765;
constexpr int kSearchBarHeight = 570;
constexpr int kStatusHeight = 300;
constexpr int kBookPanelWidth = 2295;
constexpr int kCollapsed = 10;
constexpr int kRestoreBarHeight = 300;

// The regions that the text-only view hides and the normal view shows.
constexpr Option kShownRegions[] = {Option::ToolBar, Option::SearchBar, Option::BookPanel,
                                    Option::StatusLine};
} // namespace

FrameViews::FrameViews(const FrameRegions& regions, ReaderOptions& options, QObject* parent)
    : QObject(parent), regions_(regions), options_(options) {
    setHeight(regions_.restoreBar, kRestoreBarHeight, false);
    for (Option option : kShownRegions)
        applyOption(option);
    applyOption(Option::SpecialToolBar);
    connect(&options_, &ReaderOptions::changed, this, &FrameViews::applyOption);
}

void FrameViews::applyOption(Option option) {
    const bool on = options_.isOn(option);
    switch (option) {
    case Option::ToolBar:
        setHeight(regions_.toolBar, on ? kToolBarHeight : kCollapsed, on);
        break;
    case Option::SearchBar:
        setHeight(regions_.searchBar, on ? kSearchBarHeight : kCollapsed, on);
        break;
    case Option::StatusLine:
        setHeight(regions_.statusLine, on ? kStatusHeight : kCollapsed, on);
        break;
    case Option::SpecialToolBar:
        setHeight(regions_.specialToolBar, kToolBarHeight, on);
        break;
    case Option::BookPanel:
        setBookPanelWidth(on ? kBookPanelWidth : kCollapsed);
        // Without the book panel the bar that brings the normal view back stands in its place.
        regions_.restoreBar->setVisible(!on);
        break;
    default:
        break;
    }
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

void FrameViews::showRegions(bool shown) {
    for (Option option : kShownRegions)
        options_.set(option, shown);
}

void FrameViews::applyNormalView() {
    showRegions(true);
    applyOption(Option::SpecialToolBar);
    regions_.restoreBar->hide();
}

void FrameViews::toggleTextOnly() {
    if (textOnly()) {
        applyNormalView();
        return;
    }
    showRegions(false);
    setHeight(regions_.restoreBar, kRestoreBarHeight, true);
    setHeight(regions_.specialToolBar, kCollapsed, false);
    regions_.dropDown->hide();
}

} // namespace reader
