#pragma once

#include <QString>
#include <optional>

// Size rules of the reading font and the views and lists that follow it.
namespace platform {

inline const QString kDefaultFontName = QStringLiteral("Times New Roman");
inline constexpr double kDefaultFontSize = 10;

// Lists stay readable beside a large reading font: 11 points above 12.
double ListFontSize(double readingSize);
// The font-down button stops at 3: nothing below 4.
std::optional<double> SmallerFontSize(double size);

} // namespace platform
