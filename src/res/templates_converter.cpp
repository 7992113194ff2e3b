// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "res/converter_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

// In this order: the page stores the selection's index as the category.
constexpr std::u16string_view kCategories[] = {
    u"Currency",    u"Weight",        u"length",           u"Area", u"Volume", u"Temperature",
    u"Men's Shoes", u"Women's Shoes", u"Children's Shoes",
};

struct ConverterLayout {
  DuRect category;
  DuRect fromUnit;
  DuRect toUnit;
  DuRect value;
  DuRect result;
  DuRect shoeTable;
  DuRect setRate;
  DuRect rateLabel;
  DuRect rate;
  DuRect updateRates;
};

// The shoe table lies over the unit fields; the page shows one or the other.
// The unit lists are filled by the page.
constexpr std::array<ItemTemplate, 10> ConverterItems(const ConverterLayout& at) {
  return {
      Named(u"Category", DropDown(kIdcCategoryList, at.category, kCategories)),
      Named(u"From unit", DropDown(kIdcFromUnitList, at.fromUnit, {})),
      Named(u"To unit", DropDown(kIdcToUnitList, at.toUnit, {})),
      Named(u"Value", NumberEdit(kIdcValueField, at.value)),
      Named(u"Result", Item(kIdcResultField, ControlKind::Edit, {}, at.result, kReadOnly)),
      Named(u"Shoe sizes", Item(kIdcShoeTable, ControlKind::ListView, {}, at.shoeTable, kTabStop)),
      DefaultButton(kIdcSetRate, u"Set", at.setRate),
      Item(kIdcExchangeRateLabel, ControlKind::StaticText, u"Exchange rate:", at.rateLabel,
           kStyleNone),
      NumberEdit(kIdcExchangeRateField, at.rate),
      Button(kIdcUpdateRates, u"Update Rates", at.updateRates),
  };
}

constexpr auto kPortraitItems = ConverterItems({
    .category = {5, 6, 147, 95},
    .fromUnit = {5, 26, 73, 106},
    .toUnit = {5, 43, 73, 106},
    .value = {83, 26, 69, 13},
    .result = {83, 43, 69, 13},
    .shoeTable = {5, 25, 147, 123},
    .setRate = {120, 63, 32, 13},
    .rateLabel = {26, 65, 54, 8},
    .rate = {83, 63, 33, 13},
    .updateRates = {83, 80, 69, 13},
});

constexpr auto kLandscapeItems = ConverterItems({
    .category = {6, 1, 195, 86},
    .fromUnit = {6, 14, 99, 62},
    .toUnit = {6, 27, 99, 62},
    .value = {109, 14, 92, 13},
    .result = {109, 27, 92, 13},
    .shoeTable = {6, 15, 195, 85},
    .setRate = {158, 41, 43, 13},
    .rateLabel = {52, 43, 54, 8},
    .rate = {109, 41, 45, 13},
    .updateRates = {109, 58, 92, 13},
});

}  // namespace

constexpr DialogTemplate kConverterPortrait = Page(kIddConverterPortrait, 160, 157, kPortraitItems);
constexpr DialogTemplate kConverterLandscape =
    Page(kIddConverterLandscape, 208, 106, kLandscapeItems);

}  // namespace tallyfox::tmpl
