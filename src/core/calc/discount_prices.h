// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Discount page's arithmetic, apart from its controls.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tallyfox {

// What the price comes to at 5%, 10% ... 90% off. Stored, not worked out
// from the labels, so each is the double nearest its decimal.
inline constexpr std::array<double, 18> kDiscountMultipliers = {
    0.95, 0.90, 0.85, 0.80, 0.75, 0.70, 0.65, 0.60, 0.55,
    0.50, 0.45, 0.40, 0.35, 0.30, 0.25, 0.20, 0.15, 0.10,
};

struct DiscountPrices {
  std::u16string priceWithTax;
  std::vector<std::u16string> fixed;  // the first `fixedCount` discounts, in order
  std::u16string custom;              // empty when no percent was typed
};

// Every result includes the tax: the discounts apply to the taxed price.
// Nothing when a result would not be a finite number.
std::optional<DiscountPrices> PriceAtDiscounts(std::u16string_view priceText,
                                               std::u16string_view customPercentText,
                                               double taxRate, std::size_t fixedCount);

}  // namespace tallyfox
