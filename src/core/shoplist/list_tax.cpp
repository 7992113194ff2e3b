// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_tax.h"

#include <variant>

#include "core/common/numbers.h"
#include "core/tax/tax_explained.h"
#include "core/tax/tax_rates.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kFoodCatalog = u"food";

double TaxOn(double amount, bool food, const ListRates& rates) {
  return amount * (food ? rates.food : rates.general);
}

}  // namespace

std::optional<ListRates> ListRatesInForce(bool withTax, std::u16string_view stateCode,
                                          std::u16string_view customRateText) {
  const TaxRate general = TaxRateInForce(withTax, stateCode, false, customRateText);
  const TaxRate food = TaxRateInForce(withTax, stateCode, true, customRateText);
  if (!std::holds_alternative<double>(general) || !std::holds_alternative<double>(food)) {
    return std::nullopt;
  }
  return ListRates{std::get<double>(general), std::get<double>(food)};
}

std::optional<ListRates> StoredListRates(const TaxSetting& setting) {
  return ListRatesInForce(true, setting.stateCode, setting.customRateText);
}

bool IsFood(const ListItem& item) { return item.catalog == kFoodCatalog; }

ListTax ListTaxOf(const std::vector<ListItem>& items, double subtotal, const ListRates& rates) {
  ListTax tax;
  for (const ListItem& item : items) {
    if (IsFood(item)) tax.food += ReadNumber(item.price);
  }
  tax.others = subtotal - tax.food;
  // One rate on the whole subtotal, so that a single rate taxes as it always has.
  tax.tax = rates.food == rates.general
                ? subtotal * rates.general
                : TaxOn(tax.food, true, rates) + TaxOn(tax.others, false, rates);
  return tax;
}

double LeftToBuy(const std::vector<ListItem>& items, const ListRates& rates) {
  double left = 0;
  for (const ListItem& item : items) {
    if (item.checked) continue;
    const double price = ReadNumber(item.price);
    left += price + TaxOn(price, IsFood(item), rates);
  }
  return left;
}

std::u16string ListTaxExplained(std::u16string_view taxText, const ListTax& tax,
                                const ListRates& rates, bool withTax,
                                std::u16string_view stateCode) {
  std::vector<TaxedPart> parts;
  if (withTax && stateCode == kCustomRateCode) {
    parts.push_back({tax.food + tax.others, rates.general, RateSource(true, stateCode, false)});
  } else if (withTax) {
    parts.push_back({tax.food, rates.food, RateSource(true, stateCode, true)});
    parts.push_back({tax.others, rates.general, RateSource(true, stateCode, false)});
  }
  return PartsTaxExplained(taxText, parts);
}

}  // namespace tallyfox
