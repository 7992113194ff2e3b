// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/numbers.h"

#include <array>
#include <charconv>
#include <climits>
#include <limits>
#include <system_error>

#include "core/common/text.h"

namespace tallyfox {

namespace {

std::size_t SkipSpace(std::u16string_view text, std::size_t i) {
  while (i < text.size() && IsSpace(text[i])) ++i;
  return i;
}

std::size_t SkipDigits(std::u16string_view text, std::size_t i) {
  while (i < text.size() && IsDigit(text[i])) ++i;
  return i;
}

std::size_t SkipSign(std::u16string_view text, std::size_t i) {
  return i < text.size() && (text[i] == u'+' || text[i] == u'-') ? i + 1 : i;
}

// The unsigned part of a number: where it starts and ends, and enough about
// its size to tell overflow from underflow when from_chars() reports either.
struct NumberExtent {
  std::size_t begin = 0;
  std::size_t end = 0;  // == begin when there is no number
  // The value is 0.d... * 10^(magnitude + exponent) with d the first non-zero
  // digit; both are saturated, which cannot change the sign of their sum.
  long long magnitude = 0;
  long long exponent = 0;
};

constexpr long long kSaturation = 1'000'000'000'000LL;

long long Saturated(long long value) { return value > kSaturation ? kSaturation : value; }

// The decimal exponent after 'e', if one with at least one digit follows.
std::size_t ScanExponent(std::u16string_view text, std::size_t i, NumberExtent& extent) {
  if (i >= text.size() || (text[i] != u'e' && text[i] != u'E')) return i;
  const std::size_t digits = SkipSign(text, i + 1);
  const std::size_t end = SkipDigits(text, digits);
  if (end == digits) return i;
  long long exponent = 0;
  for (std::size_t k = digits; k < end; ++k) {
    exponent = Saturated(exponent * 10 + (text[k] - u'0'));
  }
  extent.exponent = text[i + 1] == u'-' ? -exponent : exponent;
  return end;
}

NumberExtent ScanNumber(std::u16string_view text, std::size_t begin) {
  NumberExtent extent{begin, begin};
  std::size_t i = begin;
  while (i < text.size() && text[i] == u'0') ++i;
  const std::size_t integerEnd = SkipDigits(text, i);
  extent.magnitude = static_cast<long long>(integerEnd - i);
  bool anyDigit = integerEnd > begin;
  i = integerEnd;
  if (i < text.size() && text[i] == u'.') {
    const std::size_t fractionEnd = SkipDigits(text, i + 1);
    if (extent.magnitude == 0) {
      std::size_t firstNonZero = i + 1;
      while (firstNonZero < fractionEnd && text[firstNonZero] == u'0') ++firstNonZero;
      extent.magnitude = -static_cast<long long>(firstNonZero - (i + 1));
    }
    anyDigit = anyDigit || fractionEnd > i + 1;
    i = fractionEnd;
  }
  if (!anyDigit) return extent;
  extent.end = ScanExponent(text, i, extent);
  return extent;
}

double OutOfRange(const NumberExtent& extent, bool negative) {
  const double size =
      extent.magnitude + extent.exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  return negative ? -size : size;
}

template <typename... Options>
std::u16string Format(Options... options) {
  // Room for the 309 integer digits of the largest double, sign and fraction.
  std::array<char, 400> buffer;
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), options...);
  return FromAscii(std::string_view(buffer.data(), result.ptr - buffer.data()));
}

}  // namespace

double ReadNumber(std::u16string_view text) {
  const std::size_t signAt = SkipSpace(text, 0);
  const std::size_t unsignedAt = SkipSign(text, signAt);
  const bool negative = unsignedAt > signAt && text[signAt] == u'-';
  const NumberExtent extent = ScanNumber(text, unsignedAt);
  if (extent.end == extent.begin) return 0.0;

  // from_chars() takes '-' but not '+'; the scanned characters are all ASCII.
  std::string ascii = negative ? "-" : "";
  for (std::size_t i = extent.begin; i < extent.end; ++i) ascii += static_cast<char>(text[i]);
  double value = 0.0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
  if (result.ec == std::errc::result_out_of_range) return OutOfRange(extent, negative);
  return value;
}

int ReadInteger(std::u16string_view text) {
  const std::size_t signAt = SkipSpace(text, 0);
  const std::size_t digitsAt = SkipSign(text, signAt);
  const bool negative = digitsAt > signAt && text[signAt] == u'-';
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long value = 0;
  for (std::size_t i = digitsAt; i < text.size() && IsDigit(text[i]); ++i) {
    value = value * 10 + (text[i] - u'0');
    if (value >= limit) {
      value = limit;
      break;
    }
  }
  return static_cast<int>(negative ? -value : value);
}

std::u16string FormatFixed2(double value) { return Format(value, std::chars_format::fixed, 2); }

std::u16string FormatFixed4(double value) { return Format(value, std::chars_format::fixed, 4); }

std::u16string FormatGeneral(double value) { return Format(value, std::chars_format::general, 6); }

std::u16string FormatInteger(int value) { return Format(value); }

std::u16string FormatFixedWithin(double value, std::size_t width) {
  for (int decimals = static_cast<int>(width); decimals >= 0; --decimals) {
    std::u16string text = Format(value, std::chars_format::fixed, decimals);
    if (text.size() > width) continue;
    if (decimals > 0) {
      text.erase(text.find_last_not_of(u'0') + 1);
      if (text.back() == u'.') text.pop_back();
    }
    return text;
  }
  return {};
}

}  // namespace tallyfox
