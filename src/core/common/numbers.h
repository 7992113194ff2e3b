// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

// Numbers are read and written here alone, never through the C library's
// locale: under a decimal-comma locale strtod() reads 8.25 as 8 and printf()
// writes 8,25.

namespace tallyfox {

// A percentage typed (7.25) times the first is the rate it means (0.0725);
// a rate times the second is the percentage shown.
inline constexpr double kRatePerPercent = 0.01;
inline constexpr double kPercentPerRate = 100;

// The longest leading decimal number, as strtod() reads it in the C locale
// (white space, sign, digits with an optional point, optional exponent), but
// without hexadecimal, inf or nan. 0 where there is no number; a non-ASCII
// character ends the number. Out of range gives +-infinity or +-0.
double ReadNumber(std::u16string_view text);

// As atoi(): white space, sign, digits; clamped to the range of int.
int ReadInteger(std::u16string_view text);

// The texts of "%.2f", "%.4f", "%g" and "%d" in the C locale. Exact ties
// round to even.
std::u16string FormatFixed2(double value);
std::u16string FormatFixed4(double value);
std::u16string FormatGeneral(double value);
std::u16string FormatInteger(int value);

// `value` in fixed notation with as many decimals as `width` characters hold,
// trailing zeros dropped: 0.952381 for 1/1.05 in 9. Empty when the whole part
// does not fit.
std::u16string FormatFixedWithin(double value, std::size_t width);

// `format(value)`, or "too large" for a value past a double's range (a price
// too large in a file, a conversion of 1e308): no window shows inf or nan.
template <class Format>
std::u16string FormatFinite(double value, Format format) {
  return std::isfinite(value) ? format(value) : std::u16string(u"too large");
}

// An amount of money as the windows show it: "%.2f", or "too large".
inline std::u16string FormatAmount(double amount) { return FormatFinite(amount, FormatFixed2); }

}  // namespace tallyfox
