// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The sales-tax rate that applies to an item: pure functions of the state
// code, the food flag and the customised rate text.

#include <cstddef>
#include <string_view>
#include <variant>

namespace tallyfox {

// A state code with this text means the user has not chosen any state yet.
inline constexpr std::u16string_view kNoStateCode = u"...";
// A state code with this text means the rate the user typed applies.
inline constexpr std::u16string_view kCustomRateCode = u"S.";
// A state button's caption counts only up to this many characters.
inline constexpr std::size_t kStateCodeMaxChars = 3;

struct NoStateChosen {
  friend bool operator==(NoStateChosen, NoStateChosen) = default;
};

// A fraction of the price (0.0725 is 7.25%), or no state chosen.
using TaxRate = std::variant<double, NoStateChosen>;

// Codes match exactly (case and blanks count); an unknown code gives 0.
TaxRate LookupTaxRate(std::u16string_view stateCode, bool isFood,
                      std::u16string_view customRateText);

// What a calculator applies: 0 without tax, whatever the other inputs hold.
TaxRate TaxRateInForce(bool withTax, std::u16string_view stateCode, bool isFood,
                       std::u16string_view customRateText);

}  // namespace tallyfox
