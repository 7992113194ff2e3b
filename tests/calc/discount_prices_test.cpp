#include "calc/discount_prices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tallyfox {
namespace {

// The multipliers are typed in, so each one is checked against its label.
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

}  // namespace
}  // namespace tallyfox
