#include "tax/tax_rates.h"

#include <gtest/gtest.h>

#include <string>

#include "common/numbers.h"
#include "common/text.h"

namespace tallyfox {
namespace {

struct Row {
  std::u16string_view code;
  double general;
  double food;
};

// The table as the program's users know it, kept apart from the code's own.
constexpr Row kTable[] = {
    {u"AL", 0.04, 0},        {u"AK", 0, 0},          {u"AZ", 0.056, 0},    {u"AR", 0.06, 0.03},
    {u"CA", 0.0725, 0},      {u"CO", 0.029, 0},      {u"CT", 0.06, 0},     {u"DE", 0, 0},
    {u"DC", 0.0575, 0},      {u"FL", 0.06, 0},       {u"GA", 0.04, 0.02},  {u"HI", 0.04, 0},
    {u"ID", 0.06, 0.06},     {u"IL", 0.0625, 0},     {u"IN", 0.07, 0},     {u"IA", 0.06, 0},
    {u"KS", 0.053, 0},       {u"KY", 0.06, 0},       {u"LA", 0.04, 0},     {u"ME", 0.05, 0},
    {u"MD", 0.06, 0},        {u"MA", 0.05, 0},       {u"MI", 0.06, 0},     {u"MN", 0.065, 0},
    {u"MS", 0.07, 0},        {u"MO", 0.04225, 0.02}, {u"MT", 0, 0},        {u"NE", 0.055, 0},
    {u"NV", 0.065, 0},       {u"NH", 0, 0},          {u"NJ", 0.07, 0},     {u"NM", 0.05, 0},
    {u"NY", 0.04, 0},        {u"NC", 0.0675, 0.02},  {u"ND", 0.05, 0.05},  {u"OH", 0.055, 0.02},
    {u"OK", 0.045, 0.02},    {u"OR", 0, 0},          {u"PA", 0.06, 0},     {u"RI", 0.07, 0},
    {u"SC", 0.06, 0},        {u"SD", 0.04, 0},       {u"TN", 0.07, 0.055}, {u"TX", 0.0625, 0},
    {u"UT", 0.0475, 0.0475}, {u"VT", 0.06, 0.02},    {u"VA", 0.05, 0.025}, {u"WA", 0.065, 0},
    {u"WV", 0.06, 0.03},     {u"WI", 0.05, 0},       {u"WY", 0.04, 0},
};
static_assert(std::size(kTable) == 51);

void ExpectRate(const TaxRate& actual, double expected) {
  ASSERT_TRUE(std::holds_alternative<double>(actual)) << "no state chosen";
  EXPECT_EQ(std::get<double>(actual), expected);
}

TEST(TaxRatesTest, EveryStateGivesItsGeneralAndFoodRate) {
  for (const Row& row : kTable) {
    SCOPED_TRACE(ToUtf8(row.code));
    ExpectRate(LookupTaxRate(row.code, false, u"9"), row.general);
    ExpectRate(LookupTaxRate(row.code, true, u"9"), row.food);
    ExpectRate(TaxRateInForce(true, row.code, false, u"9"), row.general);
    ExpectRate(TaxRateInForce(true, row.code, true, u"9"), row.food);
  }
}

TEST(TaxRatesTest, CodesMatchOnlyExactly) {
  for (const Row& row : kTable) {
    SCOPED_TRACE(ToUtf8(row.code));
    std::u16string lower(row.code);
    for (char16_t& c : lower) c = static_cast<char16_t>(c - u'A' + u'a');
    for (const std::u16string& variant :
         {lower, std::u16string(row.code) + u" ", u" " + std::u16string(row.code),
          std::u16string(row.code.substr(0, 1))}) {
      SCOPED_TRACE(ToUtf8(variant));
      ExpectRate(LookupTaxRate(variant, false, u"9"), 0);
    }
  }
  for (std::u16string_view unknown : {u"XX", u"", u"S", u"S.x", u"s.", u"..", u"....", u"S. "}) {
    SCOPED_TRACE(ToUtf8(unknown));
    ExpectRate(LookupTaxRate(unknown, false, u"9"), 0);
    ExpectRate(TaxRateInForce(true, unknown, true, u"9"), 0);
  }
}

TEST(TaxRatesTest, TheCustomisedRateIsReadAsTypedAndIgnoresFood) {
  const struct {
    std::u16string_view text;
    double rate;
  } cases[] = {
      {u"8.25", 8.25 * 0.01},
      {u"0", 0},
      {u"", 0},
      {u"abc", 0},
      {u"8,5", 8 * 0.01},
      {u" 7", 7 * 0.01},
      {u"12abc", 12 * 0.01},
      {u"-3", -3 * 0.01},
      {u"1e3", 1000 * 0.01},
      {u"8.375", 8.375 * 0.01},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.text));
    ExpectRate(LookupTaxRate(u"S.", false, c.text), c.rate);
    ExpectRate(LookupTaxRate(u"S.", true, c.text), c.rate);
  }
}

TEST(TaxRatesTest, NoStateChosenMattersOnlyWithTax) {
  EXPECT_EQ(LookupTaxRate(u"...", false, u"8"), TaxRate(NoStateChosen{}));
  EXPECT_EQ(LookupTaxRate(u"...", true, u"8"), TaxRate(NoStateChosen{}));
  EXPECT_EQ(TaxRateInForce(true, u"...", false, u"8"), TaxRate(NoStateChosen{}));
  // Without tax nothing else is looked at.
  for (std::u16string_view code : {u"...", u"CA", u"S.", u"XX"}) {
    SCOPED_TRACE(ToUtf8(code));
    ExpectRate(TaxRateInForce(false, code, false, u"8.25"), 0);
    ExpectRate(TaxRateInForce(false, code, true, u"8.25"), 0);
  }
  ExpectRate(TaxRateInForce(true, u"S.", true, u"8.25"), 8.25 * 0.01);
}

TEST(TaxRatesTest, RatesApplyToPricesAsCallersFormatThem) {
  const double ca = std::get<double>(LookupTaxRate(u"CA", false, u""));
  EXPECT_EQ(FormatFixed2((ca + 1) * 100), u"107.25");
  // The tax on 20.90: 1.51525, two decimals 1.52.
  EXPECT_EQ(FormatFixed2(20.9 * ca), u"1.52");
}

}  // namespace
}  // namespace tallyfox
