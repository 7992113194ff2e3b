#include "common/numbers.h"

#include <gtest/gtest.h>
#include <locale.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "common/text.h"

namespace tallyfox {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

enum class CLibraryLocale { kC, kDecimalComma };

// Runs every case under the C locale and again under a decimal-comma locale,
// where any reading or writing that goes through the C library goes wrong.
class NumbersTest : public ::testing::TestWithParam<CLibraryLocale> {
 protected:
  void SetUp() override {
    saved_ = setlocale(LC_ALL, nullptr);
    if (GetParam() == CLibraryLocale::kC) {
      ASSERT_NE(setlocale(LC_ALL, "C"), nullptr);
      return;
    }
    for (const char* name : {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE"}) {
      if (setlocale(LC_ALL, name) != nullptr) {
        ASSERT_STREQ(localeconv()->decimal_point, ",") << name;
        return;
      }
    }
    FAIL() << "No decimal-comma locale can be set; generate one, for instance with "
              "\"sed -i 's/^# *de_DE.UTF-8/de_DE.UTF-8/' /etc/locale.gen && locale-gen\"";
  }
  void TearDown() override { setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

// The C library's own answers, taken in the C locale whatever the process has.
class CLocale {
 public:
  CLocale() : locale_(newlocale(LC_ALL_MASK, "C", nullptr)) {}
  ~CLocale() { freelocale(locale_); }

  std::string Print(const char* format, double value) const {
    const locale_t previous = uselocale(locale_);
    char buffer[512];
    std::snprintf(buffer, sizeof buffer, format, value);
    uselocale(previous);
    return buffer;
  }
  double ReadDouble(const std::string& text) const {
    return strtod_l(text.c_str(), nullptr, locale_);
  }

 private:
  locale_t locale_;
};

void ExpectSameDouble(double actual, double expected) {
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(std::signbit(actual), std::signbit(expected));
}

TEST_P(NumbersTest, ReadNumberTakesTheLongestLeadingNumber) {
  const std::u16string manyZeros(400, u'0');
  const struct {
    std::u16string text;
    double expected;
  } cases[] = {
      {u"12abc", 12},
      {u"1,234.50", 1},
      {u" 7", 7},
      {u" \t\n\v\f\r7", 7},
      {u"8.25", 8.25},
      {u"8,5", 8},
      {u"1e3", 1000},
      {u"1E-2x", 0.01},
      {u"-.5", -0.5},
      {u"+2.5", 2.5},
      {u"5.", 5},
      {u"007.50", 7.5},
      {u"0.1", 0.1},
      {u"1e", 1},
      {u"1e+", 1},
      {u"1e-x", 1},
      {u"1.5e2.5", 150},
      {u"abc", 0},
      {u"", 0},
      {u".", 0},
      {u"+", 0},
      {u"-", 0},
      {u"+-1", 0},
      {u"- 1", 0},
      {u".e5", 0},
      {u"0x10", 0},
      {u"inf", 0},
      {u"-infinity", 0},
      {u"nan", 0},
      {u"-0", -0.0},
      {u"1e999", kInf},
      {u"-1e999", -kInf},
      {u"0.1e310", kInf},
      {u"1e99999999999999999999999", kInf},
      {u"1" + manyZeros, kInf},
      {u"1e-999", 0.0},
      {u"-1e-999", -0.0},
      {u"0." + manyZeros + u"1", 0.0},
      {u"1000e-310", 1e-307},
      {u"0e99999999999", 0.0},
      {u"4.9e-324", std::numeric_limits<double>::denorm_min()},
      {u"1.7976931348623157e308", DBL_MAX},
      {u"\u00A07", 0},  // no-break space is not white space
      {u"3\u00A05", 3},
      {u"\uFF17", 0},  // full-width digit
      {u"2\u00B9", 2},
      {u"1.5\u20AC", 1.5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text).substr(0, 40));
    ExpectSameDouble(ReadNumber(c.text), c.expected);
  }
}

// Random texts over the characters a number is made of read as strtod() reads
// them in the C locale; the alphabet has no x, i or n, so strtod's extras
// (hexadecimal, inf, nan) never apply.
TEST_P(NumbersTest, ReadNumberAgreesWithStrtodInTheCLocale) {
  const CLocale cLocale;
  const std::string alphabet = "0123456789000111.....eeE++--  \t,a";
  std::mt19937 random(20240601);
  for (int i = 0; i < 20000; ++i) {
    std::string text(random() % 14, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    SCOPED_TRACE(text);
    ExpectSameDouble(ReadNumber(FromAscii(text)), cLocale.ReadDouble(text));
  }
}

TEST_P(NumbersTest, ReadIntegerReadsAsAtoi) {
  const struct {
    std::u16string text;
    int expected;
  } cases[] = {
      {u"007", 7},
      {u"1.9", 1},
      {u" \t-42x", -42},
      {u"+5", 5},
      {u"1e3", 1},
      {u"", 0},
      {u"abc", 0},
      {u"- 5", 0},
      {u"0x1A", 0},
      {u"\u0661", 0},
      {u"2147483647", INT_MAX},
      {u"2147483648", INT_MAX},
      {u"99999999999999999999999", INT_MAX},
      {u"-2147483648", INT_MIN},
      {u"-2147483649", INT_MIN},
      {u"-99999999999999999999999", INT_MIN},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    EXPECT_EQ(ReadInteger(c.text), c.expected);
  }
}

TEST_P(NumbersTest, FormatsAsPrintfDoesInTheCLocale) {
  const struct {
    std::u16string (*format)(double);
    double value;
    std::u16string expected;
  } cases[] = {
      {FormatFixed2, 53.625, u"53.62"},  // exact tie: to even
      {FormatFixed2, 0.125, u"0.12"},
      {FormatFixed2, 0.375, u"0.38"},
      {FormatFixed2, 2.675, u"2.67"},  // the double lies below the tie
      {FormatFixed2, 1.005, u"1.00"},
      {FormatFixed2, 8.255, u"8.26"},  // the double lies above the tie
      {FormatFixed2, -0.001, u"-0.00"},
      {FormatFixed4, 1 / 0.8, u"1.2500"},
      {FormatFixed4, 0.00005, u"0.0001"},
      {FormatGeneral, 1e6, u"1e+06"},
      {FormatGeneral, 3.53e-5, u"3.53e-05"},
      {FormatGeneral, 0.1234567, u"0.123457"},
      {FormatGeneral, 999999.5, u"1e+06"},
      {FormatFixed2, kInf, u"inf"},
      {FormatGeneral, -kInf, u"-inf"},
      {FormatFixed4, std::nan(""), u"nan"},
      {FormatFixed2, -std::nan(""), u"-nan"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.expected));
    EXPECT_EQ(c.format(c.value), c.expected);
  }
  EXPECT_EQ(FormatInteger(7), u"7");
  EXPECT_EQ(FormatInteger(INT_MIN), u"-2147483648");
}

std::vector<double> ValuesToFormat() {
  std::vector<double> values = {0.0,
                                -0.0,
                                0.005,
                                0.015,
                                0.025,
                                0.045,
                                1.005,
                                1.015,
                                -1.005,
                                -2.675,
                                9.995,
                                99.995,
                                0.5,
                                1.5,
                                2.5,
                                0.00005,
                                0.00015,
                                999999.5,
                                9999995,
                                1e15 + 0.5,
                                4503599627370495.5,
                                DBL_MAX,
                                -DBL_MAX,
                                DBL_MIN,
                                std::numeric_limits<double>::denorm_min(),
                                DBL_EPSILON,
                                kInf,
                                -kInf,
                                std::nan(""),
                                -std::nan("")};
  std::mt19937_64 random(7);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t bits = random();
    double value;
    static_assert(sizeof value == sizeof bits);
    std::memcpy(&value, &bits, sizeof value);
    values.push_back(value);
  }
  // Prices: hundredths, their half-way points and neighbours.
  for (int cents = -3000; cents <= 3000; cents += 7) {
    const double tie = (cents + 0.5) / 100;
    values.insert(values.end(), {cents / 100.0, tie, std::nextafter(tie, kInf),
                                 std::nextafter(tie, -kInf), (cents + 0.5) / 10000});
  }
  return values;
}

TEST_P(NumbersTest, FormatsMatchPrintfOverManyValues) {
  const CLocale cLocale;
  for (const double value : ValuesToFormat()) {
    SCOPED_TRACE(cLocale.Print("%a", value));
    EXPECT_EQ(ToUtf8(FormatFixed2(value)), cLocale.Print("%.2f", value));
    EXPECT_EQ(ToUtf8(FormatFixed4(value)), cLocale.Print("%.4f", value));
    EXPECT_EQ(ToUtf8(FormatGeneral(value)), cLocale.Print("%g", value));
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, NumbersTest,
                         ::testing::Values(CLibraryLocale::kC, CLibraryLocale::kDecimalComma),
                         [](const ::testing::TestParamInfo<CLibraryLocale>& info) {
                           return info.param == CLibraryLocale::kC ? "CLocale"
                                                                   : "DecimalCommaLocale";
                         });

}  // namespace
}  // namespace tallyfox
