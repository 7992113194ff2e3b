// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A list's sales tax: items of the catalog "food" at the state's food rate,
// the others at its general rate, a rate the user typed on all of them. The
// window, the copied and printed list and the command line all take it from
// here, so they never disagree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shoplist/list_store.h"
#include "core/tax/tax_setting.h"

namespace tallyfox {

struct ListRates {
  double general = 0;
  double food = 0;
};

// Both 0 without tax; nothing when no state is chosen.
std::optional<ListRates> ListRatesInForce(bool withTax, std::u16string_view stateCode,
                                          std::u16string_view customRateText);
// The stored setting with tax: how a list is taxed away from its window.
std::optional<ListRates> StoredListRates(const TaxSetting& setting);

bool IsFood(const ListItem& item);

struct ListTax {
  double food = 0;    // what the food items cost
  double others = 0;  // the rest of the subtotal
  double tax = 0;
};

// `subtotal` is the list's sum as its holder keeps it; the food part comes
// from the items.
ListTax ListTaxOf(const std::vector<ListItem>& items, double subtotal, const ListRates& rates);

// What the unticked items come to with their tax.
double LeftToBuy(const std::vector<ListItem>& items, const ListRates& rates);

// "Tax 0.16 = 8.00 × 0 % (CA food rate) + 2.25 × 7.25 % (CA)"; a typed rate
// is one part, and without tax there is none.
std::u16string ListTaxExplained(std::u16string_view taxText, const ListTax& tax,
                                const ListRates& rates, bool withTax,
                                std::u16string_view stateCode);

}  // namespace tallyfox
