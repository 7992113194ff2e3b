// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "core/common/text.h"

namespace tallyfox {
namespace {

// The C library's answer for one of the formats the program writes.
template <size_t N>
std::string Printf(const char (&format)[N], double value) {
  char buffer[512];
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"  // each caller passes a literal
  std::snprintf(buffer, sizeof buffer, format, value);
#pragma GCC diagnostic pop
  return buffer;
}

// In the C locale, which the process keeps; the alphabet leaves out strtod's x, inf and nan.
TEST(NumbersTest, ReadingAgreesWithStrtodAndStrtoll) {
  const std::string alphabet = "0123456789000111.....eeE++--  \t\v,a";
  std::mt19937 random(20240601);
  std::vector<std::string> texts(20000);
  for (std::string& text : texts) {
    text.resize(random() % 14);
    for (char& c : text) c = alphabet[random() % alphabet.size()];
  }
  const std::string zeros(400, '0');
  texts.insert(texts.end(), {"1e999", "-1e999", "0.1e310", "1" + zeros + "e-10", "1e-999",
                             "-1e-999", "1" + zeros + " -999", "0." + zeros + "1e10",
                             "1e99999999999999999999999", "4.9e-324", "2147483647", "-2147483648",
                             "-99999999999999999999", "99999999999999999999"});
  for (const std::string& text : texts) {
    SCOPED_TRACE(text.substr(0, 30));
    EXPECT_EQ(Printf("%a", ReadNumber(FromAscii(text))),
              Printf("%a", std::strtod(text.c_str(), nullptr)));
    EXPECT_EQ(ReadInteger(FromAscii(text)),
              std::clamp<long long>(std::strtoll(text.c_str(), nullptr, 10), INT_MIN, INT_MAX));
  }
  for (const std::u16string_view text :
       {u"0x10", u"inf", u"-nan", u"\u00A07", u"\uFF17", u"\u0137"})
    EXPECT_EQ(ReadNumber(text), 0);
}

TEST(NumbersTest, FormatsAsPrintfInTheCLocale) {
  std::vector<double> values = {-0.0, INFINITY, -INFINITY, NAN, -NAN, 53.625, 0.125, 2.675, 5e-5};
  std::mt19937_64 random(7);
  for (int i = 0; i < 5000; ++i) values.push_back(std::bit_cast<double>(random()));
  for (const double value : values) {
    SCOPED_TRACE(Printf("%a", value));
    EXPECT_EQ(ToUtf8(FormatFixed2(value)), Printf("%.2f", value));
    EXPECT_EQ(ToUtf8(FormatFixed4(value)), Printf("%.4f", value));
    EXPECT_EQ(ToUtf8(FormatGeneral(value)), Printf("%g", value));
  }
}

TEST(NumbersTest, FixedWithinAWidthTakesEveryDecimalThatFitsAndNoTrailingZero) {
  EXPECT_EQ(FormatFixedWithin(1 / 1.05, 9), u"0.952381");
  EXPECT_EQ(FormatFixedWithin(1.05 / 160, 9), u"0.0065625");
  EXPECT_EQ(FormatFixedWithin(160.0, 9), u"160");
  EXPECT_EQ(FormatFixedWithin(123456789.4, 9), u"123456789");
  EXPECT_EQ(FormatFixedWithin(1234567890.0, 9), u"");
  EXPECT_EQ(FormatFixedWithin(1e-9, 9), u"0");
}

TEST(NumbersTest, ADecimalCommaLocaleChangesNothing) {
  const std::string saved = std::setlocale(LC_ALL, nullptr);
  if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "no de_DE.UTF-8 locale";
  const std::u16string shown = FormatFixed2(ReadNumber(u"53.625e0"));
  std::setlocale(LC_ALL, saved.c_str());
  EXPECT_EQ(shown, u"53.62");
}

}  // namespace
}  // namespace tallyfox
