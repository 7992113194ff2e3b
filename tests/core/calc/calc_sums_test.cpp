// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "core/calc/discount_prices.h"
#include "core/calc/sale_sums.h"
#include "core/common/numbers.h"

namespace tallyfox {
namespace {

TEST(CalcSumsTest, SaleSumsAndDiscountPrices) {
  const SaleRow rows[] = {
      {u"10", u"25", u"2"}, {u"0.125", u"", u"1"}, {u"0.125", u"0", u"1"}, {u"0.08", u"x", u"1"}};
  // Tax and Total add the amounts as shown: unrounded they would be 15.33 and 1.11.
  const SaleSums sums = SumSale(rows, 0.0725).value();
  EXPECT_EQ(sums.rowResults, (std::vector<std::u16string>{u"15.00", u"0.12", u"0.12", u"0.08"}));
  EXPECT_EQ(sums.tax + u" " + sums.total, u"1.12 16.44");
  const DiscountPrices untaxed = PriceAtDiscounts(u"100", u"", 0, 40).value();
  ASSERT_EQ(untaxed.fixed.size(), 18u);
  for (int i = 0; i < 18; ++i) EXPECT_EQ(untaxed.fixed[i], FormatFixed2(95 - 5 * i));
  const DiscountPrices taxed = PriceAtDiscounts(u"50", u"15", 0.06, 2).value();
  EXPECT_EQ(taxed.priceWithTax + u" " + taxed.custom, u"53.00 45.05");
  EXPECT_EQ(taxed.fixed, (std::vector<std::u16string>{u"50.35", u"47.70"}));
}

}  // namespace
}  // namespace tallyfox
