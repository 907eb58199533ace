#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>
#include <optional>

namespace zomar {

// Colour indices, in the fixed order of the colour code. The index is the
// subscript of every code table and the suffix of every swatch's name.
enum Colour : int { Black, Brown, Red, Orange, Yellow, Green, LightBlue, Violet, Grey, White, Gold, Silver };
inline constexpr int colourCount = 12;
inline constexpr int digitColourCount = 10; // gold and silver carry no digit

// Element i is the meaning of colour i.
// clang-format off
inline constexpr std::array<std::int16_t, digitColourCount> DigitTable{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};

inline constexpr std::array<double, colourCount> MultiplierTable{
    1, 10, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 0.1, 0.01};

inline constexpr std::array<QStringView, colourCount> ToleranceTable{
    u"20% (M)", u"1% (F)", u"2% (G)", u"-", u"-", u"0,5% (D)",
    u"0,25% (C)", u"0,1% (B)", u"30% (N); 0,1% ", u"+80% -20% (Z)", u"5% (J)", u"10% (K)"};

inline constexpr std::array<QStringView, colourCount> VoltageTable{
    u"-", u"10v", u"20v", u"30v", u"40v", u"50v",
    u"60v", u"70v", u"80v", u"90v", u"100v", u"200v"};
// clang-format on

// Bounds-checked look-ups: a colour outside a table has no entry there.
std::optional<int> digitOf(int colour);
std::optional<double> multiplierOf(int colour);
std::optional<QString> toleranceOf(int colour);
std::optional<QString> voltageOf(int colour);

} // namespace zomar
