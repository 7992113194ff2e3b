// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_tax.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

// Missouri: 4.225 % in general, 2 % on food.
TEST(ListTaxTest, FoodIsTaxedAtTheFoodRateAndTheRestAtTheGeneralRate) {
  const std::optional<ListRates> rates = ListRatesInForce(true, u"MO", u"0");
  ASSERT_TRUE(rates);
  const std::vector<ListItem> items = {{false, u"milk", u"1", u"food", u"10.00"},
                                       {true, u"soap", u"1", u"home", u"10.00"}};
  EXPECT_DOUBLE_EQ(ListTaxOf(items, 20, *rates).tax, 0.6225);  // 0.20 + 0.4225
  EXPECT_DOUBLE_EQ(LeftToBuy(items, *rates), 10.2);            // the milk with its 2 %
}

TEST(ListTaxTest, ATypedRateTaxesFoodToo) {
  EXPECT_DOUBLE_EQ(ListRatesInForce(true, u"S.", u"8.25").value().food, 0.0825);
}

TEST(ListTaxTest, NoStateChosenGivesNoRates) {
  EXPECT_EQ(ListRatesInForce(true, u"...", u"0"), std::nullopt);
}

TEST(ListTaxTest, TaxTurnedOffTaxesNothing) {
  EXPECT_DOUBLE_EQ(ListRatesInForce(false, u"...", u"0").value().general, 0);
}

}  // namespace
}  // namespace tallyfox
