// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/units.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/common/numbers.h"

namespace tallyfox {
namespace {

TEST(UnitsTest, KnownConversions) {
  EXPECT_EQ(ConvertWeight(5, 0, u"1"), u"453.592");        // pound to gram, shown with %g
  EXPECT_EQ(ConvertTemperature(0, 1, u"0"), u"32.00");     // Celsius to Fahrenheit
  EXPECT_EQ(ConvertTemperature(0, 2, u"100"), u"373.15");  // to Kelvin
  EXPECT_EQ(ConvertTemperature(0, 3, u"100"), u"671.67");  // to Rankine
  EXPECT_EQ(ConvertTemperature(0, 4, u"100"), u"80.00");   // to Reaumur
  EXPECT_EQ(ConvertTemperature(5, 0, u"100"), u"0.00");    // outside the list
  EXPECT_EQ(ConvertWeight(5, 0, u"1e308"), u"too large") << "weight";
  EXPECT_EQ(ConvertTemperature(0, 3, u"1e308"), u"too large") << "temperature";
}

// Half a unit in the last digit of a factor as written, relative to it; one digit is exact.
double Precision(const FactorCell& factor) {
  char text[32];
  const auto written =
      std::to_chars(text, std::end(text), factor.value_or(1), std::chars_format::scientific);
  const std::string mantissa(text, std::find(text, written.ptr, 'e'));
  return mantissa.size() < 3 ? 0
                             : 0.5 * std::pow(10.0, 2.0 - mantissa.size()) / std::stod(mantissa);
}

// Catches a mistyped cell; a few volume cells agree with their reverse only to four places.
TEST(UnitsTest, EveryUnitConvertedToAnotherAndBackGivesTheValueAgain) {
  using Converter = std::u16string (*)(std::int32_t, std::int32_t, std::u16string_view);
  const Converter converters[] = {&ConvertWeight, &ConvertLength, &ConvertArea, &ConvertVolume};
  for (int c = 1; c <= 4; ++c) {
    const Converter convert = converters[c - 1];
    const int n = static_cast<int>(UnitNames(ConverterCategory(c)).size());
    for (int a = -1; a <= n; ++a) {
      for (int b = -1; b <= n; ++b) {
        SCOPED_TRACE(::testing::Message() << c << ": " << a << " to " << b);
        if (std::min(a, b) < 0 || std::max(a, b) == n) {
          EXPECT_EQ(convert(a, b, u"5"), u"0");  // outside the list
        } else {
          const FactorTable table = *FactorTableOf(ConverterCategory(c));
          const double precision = Precision(table.At(a, b)) + Precision(table.At(b, a)) + 2e-4;
          EXPECT_NEAR(ReadNumber(convert(b, a, convert(a, b, u"3"))), 3, 3 * precision);
        }
      }
    }
  }
}

TEST(UnitsTest, TemperaturesAgreeWithEachOtherThroughCelsiusAndBack) {
  for (int from = 0; from < 5; ++from) {
    const std::u16string celsius = ConvertTemperature(from, 0, u"36.6");
    for (int to = 0; to < 5; ++to) {
      EXPECT_NEAR(ReadNumber(ConvertTemperature(from, to, u"36.6")),
                  ReadNumber(ConvertTemperature(0, to, celsius)), 0.03)
          << from << " to " << to;
    }
  }
}

}  // namespace
}  // namespace tallyfox
