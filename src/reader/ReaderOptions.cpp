#include "reader/ReaderOptions.h"

namespace reader {

namespace {

// Each option beside the field of the settings that holds it.
constexpr std::pair<Option, bool OptionSettings::*> kFields[] = {
    {Option::AlwaysSaveSettings, &OptionSettings::saveSettings},
    {Option::TipsAtStart, &OptionSettings::tipsAtStart},
    {Option::DeleteResultsAtExit, &OptionSettings::deleteResults},
    {Option::OptimalSearch, &OptionSettings::optimal},
    {Option::SeparateIntro, &OptionSettings::separateIntro},
    {Option::StatusLine, &OptionSettings::statusLine},
    {Option::ToolBar, &OptionSettings::toolBar},
    {Option::SpecialToolBar, &OptionSettings::specialToolBar},
    {Option::BookPanel, &OptionSettings::bookPanel},
    {Option::SearchBar, &OptionSettings::searchBar},
};
static_assert(std::size(kFields) == kOptionCount);

} // namespace

ReaderOptions::ReaderOptions(QObject* parent) : QObject(parent) {
    load(OptionSettings());
}

void ReaderOptions::set(Option option, bool on) {
    bool& value = on_[std::size_t(option)];
    if (value == on)
        return;
    value = on;
    emit changed(option);
}

void ReaderOptions::load(const OptionSettings& settings) {
    for (const auto& [option, field] : kFields)
        set(option, settings.*field);
}

void ReaderOptions::store(OptionSettings& settings) const {
    for (const auto& [option, field] : kFields)
        settings.*field = isOn(option);
}

} // namespace reader
