#pragma once

namespace results {

// The pages of the results window ("cari", "clipbook", "daftar"), in the order of its tabs.
enum class ResultsPage { Cari, ClipBook, Daftar };

} // namespace results
