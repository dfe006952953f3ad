#pragma once
// The program's one rule for reading numbers out of text and for writing them back.
#include <string>
#include <string_view>

namespace dalmiro {

// Full-width digits, signs, point and exponent become ASCII; then the longest leading decimal
// number (sign, digits, point, exponent) is read, after any leading blanks. Text without one
// reads as 0; a number too large for a double reads as an infinity.
double TextToNumber(std::string_view text);
// Converting to an integer truncates toward zero (saturating at the int range).
int TextToInt(std::string_view text);

// Rounded half away from zero to `decimals` places, exactly that many digits after the point,
// no point for 0 decimals, no separators. The value is first taken to 15 significant digits, so
// 2.675 gives "2.68" although the double holds 2.67499.... NaN and infinities give an empty text.
std::string FormatFixed(double value, int decimals);
// At most `digits` significant digits, no trailing zeros and no trailing point ("0.35", "1.2").
std::string FormatSignificant(double value, int digits = 13);

// Comparisons with the tolerance the grading and sorting rules use.
inline constexpr double kEpsilon = 1e-7;
inline bool AtMost(double x, double limit) { return x - limit <= kEpsilon; }
inline bool AtLeast(double x, double limit) { return limit - x <= kEpsilon; }
inline bool GreaterThan(double x, double limit) { return x - limit > kEpsilon; }
inline bool LessThan(double x, double limit) { return limit - x > kEpsilon; }

} // namespace dalmiro
