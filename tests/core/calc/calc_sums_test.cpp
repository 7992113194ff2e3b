// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/calc/discount_prices.h"
#include "core/calc/sale_sums.h"

namespace tallyfox {
namespace {

// Tax and Total add the amounts as shown: unrounded they would be 15.33 and 1.11.
TEST(CalcSumsTest, SaleSumsAddTheRoundedRowResults) {
  const SaleRow rows[] = {
      {u"10", u"25", u"2"}, {u"0.125", u"", u"1"}, {u"0.125", u"0", u"1"}, {u"0.08", u"x", u"1"}};
  const SaleSums sums = SumSale(rows, 0.0725).value();
  EXPECT_EQ(sums.rowResults, (std::vector<std::u16string>{u"15.00", u"0.12", u"0.12", u"0.08"}));
  EXPECT_EQ(sums.tax, u"1.12");
  EXPECT_EQ(sums.total, u"16.44");
}

TEST(CalcSumsTest, ATotalPastADoublesRangeGivesNoSums) {
  const SaleRow rows[] = {{u"1.7e308", u"", u"1"}};
  EXPECT_FALSE(SumSale(rows, 0.0725).has_value());
}

TEST(CalcSumsTest, DiscountPricesGoDownInStepsOfFivePercentFromTheTaxedPrice) {
  const DiscountPrices untaxed = PriceAtDiscounts(u"100", u"", 0, 40).value();
  EXPECT_EQ(untaxed.fixed, (std::vector<std::u16string>{
                               u"95.00", u"90.00", u"85.00", u"80.00", u"75.00", u"70.00", u"65.00",
                               u"60.00", u"55.00", u"50.00", u"45.00", u"40.00", u"35.00", u"30.00",
                               u"25.00", u"20.00", u"15.00", u"10.00"}));
  const DiscountPrices taxed = PriceAtDiscounts(u"50", u"15", 0.06, 2).value();
  EXPECT_EQ(taxed.priceWithTax, u"53.00");
  EXPECT_EQ(taxed.custom, u"45.05") << "15 % off";
  EXPECT_EQ(taxed.fixed, (std::vector<std::u16string>{u"50.35", u"47.70"}));
}

}  // namespace
}  // namespace tallyfox
