// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tax/tax_explained.h"

#include <variant>

#include "core/common/numbers.h"
#include "core/tax/tax_rates.h"

namespace tallyfox {
namespace {

std::u16string PercentText(double rate) { return FormatGeneral(rate * kPercentPerRate) + u" %"; }

std::u16string WithoutTax(std::u16string_view tax) {
  return u"Tax " + std::u16string(tax) + u" (without tax)";
}

bool AddsNothing(std::u16string_view amount) { return amount == u"0.00" || amount == u"-0.00"; }

}  // namespace

std::u16string RateSource(bool withTax, std::u16string_view stateCode, bool isFood) {
  if (!withTax) return {};
  if (stateCode == kCustomRateCode) return u"custom rate";
  return std::u16string(stateCode) + (isFood ? u" food rate" : u"");
}

std::u16string TaxInForce(std::u16string_view stateCode, std::u16string_view customRateText) {
  const TaxRate general = LookupTaxRate(stateCode, false, customRateText);
  const double* rate = std::get_if<double>(&general);
  if (rate == nullptr) return u"No state chosen";
  if (stateCode == kCustomRateCode) return u"Custom rate: " + PercentText(*rate);
  const double food = std::get<double>(LookupTaxRate(stateCode, true, customRateText));
  return std::u16string(stateCode) + u": " + PercentText(*rate) + u", food " + PercentText(food);
}

std::u16string RowTaxExplained(std::u16string_view tax, const std::vector<std::u16string>& rowTaxes,
                               double rate, std::u16string_view source) {
  if (source.empty()) return WithoutTax(tax);
  std::u16string sum;
  for (const std::u16string& rowTax : rowTaxes) {
    if (!AddsNothing(rowTax)) sum += (sum.empty() ? u" = " : u" + ") + rowTax;
  }
  return u"Tax " + std::u16string(tax) + sum + u" (" + std::u16string(source) + u", " +
         PercentText(rate) + u", each row rounded to the cent)";
}

std::u16string PartsTaxExplained(std::u16string_view tax, const std::vector<TaxedPart>& parts) {
  if (parts.empty()) return WithoutTax(tax);
  std::u16string text = u"Tax " + std::u16string(tax);
  for (const TaxedPart& part : parts) {
    text += (&part == &parts.front() ? u" = " : u" + ") + FormatAmount(part.amount) + u" \u00D7 " +
            PercentText(part.rate) + u" (" + part.source + u")";
  }
  return text;
}

std::u16string TotalExplained(std::u16string_view total, std::u16string_view subtotal,
                              std::u16string_view tax) {
  return u"Total " + std::u16string(total) + u" = " + std::u16string(subtotal) + u" + tax " +
         std::u16string(tax);
}

}  // namespace tallyfox
