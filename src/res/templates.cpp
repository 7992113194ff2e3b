// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>

#include "res/dialog_template.h"
#include "res/template_registry.h"

namespace tallyfox {
namespace {

// Ascending by number, as AllTemplates promises.
constexpr const DialogTemplate* kAllTemplates[] = {
    &tmpl::kMainPortrait,
    &tmpl::kMainLandscape,
    &tmpl::kDiscountPortrait,
    &tmpl::kSalePortrait,
    &tmpl::kAboutPortrait,
    &tmpl::kTaxSetup,
    &tmpl::kDiscountLandscape,
    &tmpl::kSaleLandscape,
    &tmpl::kAboutLandscape,
    &tmpl::kShoplistPortrait,
    &tmpl::kAddList,
    &tmpl::kShoppingListPortrait,
    &tmpl::kItemEdit,
    &tmpl::kShoplistLandscape,
    &tmpl::kShoppingListLandscape,
    &tmpl::kConverterPortrait,
    &tmpl::kConverterLandscape,
};

}  // namespace

const DialogTemplate* FindTemplate(int number) {
  const auto found =
      std::find_if(std::begin(kAllTemplates), std::end(kAllTemplates),
                   [number](const DialogTemplate* t) { return t->number == number; });
  return found == std::end(kAllTemplates) ? nullptr : *found;
}

std::span<const DialogTemplate* const> AllTemplates() { return kAllTemplates; }

}  // namespace tallyfox
