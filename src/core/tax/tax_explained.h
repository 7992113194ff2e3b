// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts that say how a tax and a total were reached, for a user who
// checks them with a calculator and finds the cents differ.

#include <string>
#include <string_view>
#include <vector>

namespace tallyfox {

// Where the rate comes from: "CA", "CA food rate" or "custom rate"; empty
// without tax.
std::u16string RateSource(bool withTax, std::u16string_view stateCode, bool isFood);

// A tax added up from the rows' taxes as rounded to the cent:
// "Tax 2.39 = 0.87 + 1.52 (CA, 7.25 %, each row rounded to the cent)".
// Rows without tax are left out.
std::u16string RowTaxExplained(std::u16string_view tax, const std::vector<std::u16string>& rowTaxes,
                               double rate, std::u16string_view source);

// An amount taxed at one rate, and where that rate comes from.
struct TaxedPart {
  double amount = 0;
  double rate = 0;
  std::u16string source;
};

// A tax at a rate on each part of a subtotal:
// "Tax 0.16 = 8.00 × 0 % (CA food rate) + 2.25 × 7.25 % (CA)". No part is
// no tax.
std::u16string PartsTaxExplained(std::u16string_view tax, const std::vector<TaxedPart>& parts);

// The tax a state code stands for, for a screen reader to tell beside the
// state button: "CA: 7.25 %, food 0 %", "Custom rate: 8.25 %" or
// "No state chosen".
std::u16string TaxInForce(std::u16string_view stateCode, std::u16string_view customRateText);

// "Total 35.29 = 32.90 + tax 2.39".
std::u16string TotalExplained(std::u16string_view total, std::u16string_view subtotal,
                              std::u16string_view tax);

}  // namespace tallyfox
