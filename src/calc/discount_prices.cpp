#include "calc/discount_prices.h"

#include <algorithm>

#include "common/numbers.h"

namespace tallyfox {
namespace {

constexpr double kPercent = 0.01;

}  // namespace

DiscountPrices PriceAtDiscounts(std::u16string_view priceText,
                                std::u16string_view customPercentText, double taxRate,
                                std::size_t fixedCount) {
  const double taxed = (taxRate + 1) * ReadNumber(priceText);
  DiscountPrices prices;
  prices.priceWithTax = FormatFixed2(taxed);
  fixedCount = std::min(fixedCount, kDiscountMultipliers.size());
  for (std::size_t i = 0; i < fixedCount; ++i) {
    prices.fixed.push_back(FormatFixed2(taxed * kDiscountMultipliers[i]));
  }
  if (!customPercentText.empty()) {
    prices.custom = FormatFixed2((1 - ReadNumber(customPercentText) * kPercent) * taxed);
  }
  return prices;
}

}  // namespace tallyfox
