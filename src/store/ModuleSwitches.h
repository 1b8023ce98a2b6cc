#pragma once

#include <QStringList>
#include <array>

namespace store {

class Store;

inline constexpr int kModuleCount = 10;

// "Perikop", "Pengantar", "Perumpamaan", "Peta", "Kamus", "Nubuat", "Commentary",
// "Deuterokanonika", "Keterangan", "Tematik", in the order CheckAvailableMenu reads them.
const QStringList& ModuleNames();

// CheckAvailableMenu's reading: each module's Aktif, 0 for a missing row.
std::array<bool, kModuleCount> ReadModuleSwitches(const Store& store);

} // namespace store
