#include "calc/discount_prices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyfox {
namespace {

TEST(DiscountPricesTest, EachFixedDiscountTakesItsShareOff) {
  const std::vector<std::u16string> expected = {
      u"95.00", u"90.00", u"85.00", u"80.00", u"75.00", u"70.00", u"65.00", u"60.00", u"55.00",
      u"50.00", u"45.00", u"40.00", u"35.00", u"30.00", u"25.00", u"20.00", u"15.00", u"10.00",
  };
  EXPECT_EQ(PriceAtDiscounts(u"100", u"", 0, 18).fixed, expected);
  EXPECT_EQ(PriceAtDiscounts(u"100", u"", 0, 16).fixed,
            std::vector<std::u16string>(expected.begin(), expected.begin() + 16));
  EXPECT_EQ(PriceAtDiscounts(u"100", u"", 0, 40).fixed, expected);
}

TEST(DiscountPricesTest, TheDiscountsApplyToThePriceWithTax) {
  const DiscountPrices prices = PriceAtDiscounts(u"19.99", u"", 0, 18);
  EXPECT_EQ(prices.priceWithTax, u"19.99");
  EXPECT_EQ(prices.fixed[0], u"18.99");
  EXPECT_EQ(prices.fixed[10], u"9.00");
  EXPECT_EQ(prices.fixed[17], u"2.00");
  EXPECT_EQ(prices.custom, u"");

  const DiscountPrices taxed = PriceAtDiscounts(u"100", u"20", 0.0725, 18);
  EXPECT_EQ(taxed.priceWithTax, u"107.25");
  EXPECT_EQ(taxed.custom, u"85.80");
}

}  // namespace
}  // namespace tallyfox
