// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/discount_prices.h"

#include <algorithm>
#include <cmath>

#include "core/common/numbers.h"

namespace tallyfox {

// The fixed discounts only shrink the taxed price. The customised one can
// grow it past a double's range, and is never finite when the taxed price is
// not (an empty percent counts as 0), so it alone decides.
std::optional<DiscountPrices> PriceAtDiscounts(std::u16string_view priceText,
                                               std::u16string_view customPercentText,
                                               double taxRate, std::size_t fixedCount) {
  const double taxed = (taxRate + 1) * ReadNumber(priceText);
  const double custom = (1 - ReadNumber(customPercentText) * kRatePerPercent) * taxed;
  if (!std::isfinite(custom)) return std::nullopt;
  DiscountPrices prices;
  prices.priceWithTax = FormatFixed2(taxed);
  fixedCount = std::min(fixedCount, kDiscountMultipliers.size());
  for (std::size_t i = 0; i < fixedCount; ++i) {
    prices.fixed.push_back(FormatFixed2(taxed * kDiscountMultipliers[i]));
  }
  if (!customPercentText.empty()) prices.custom = FormatFixed2(custom);
  return prices;
}

}  // namespace tallyfox
