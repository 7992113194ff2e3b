// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tax/tax_rates.h"

#include <array>

#include "core/common/numbers.h"

namespace tallyfox {
namespace {

struct StateRates {
  std::u16string_view code;
  double general;
  double food;
};

constexpr std::array<StateRates, 51> kStateRates = {{
    {u"AL", 0.04, 0},        {u"AK", 0, 0},          {u"AZ", 0.056, 0},    {u"AR", 0.06, 0.03},
    {u"CA", 0.0725, 0},      {u"CO", 0.029, 0},      {u"CT", 0.06, 0},     {u"DE", 0, 0},
    {u"DC", 0.0575, 0},      {u"FL", 0.06, 0},       {u"GA", 0.04, 0.02},  {u"HI", 0.04, 0},
    {u"ID", 0.06, 0.06},     {u"IL", 0.0625, 0},     {u"IN", 0.07, 0},     {u"IA", 0.06, 0},
    {u"KS", 0.053, 0},       {u"KY", 0.06, 0},       {u"LA", 0.04, 0},     {u"ME", 0.05, 0},
    {u"MD", 0.06, 0},        {u"MA", 0.05, 0},       {u"MI", 0.06, 0},     {u"MN", 0.065, 0},
    {u"MS", 0.07, 0},        {u"MO", 0.04225, 0.02}, {u"MT", 0, 0},        {u"NE", 0.055, 0},
    {u"NV", 0.065, 0},       {u"NH", 0, 0},          {u"NJ", 0.07, 0},     {u"NM", 0.05, 0},
    {u"NY", 0.04, 0},        {u"NC", 0.0675, 0.02},  {u"ND", 0.05, 0.05},  {u"OH", 0.055, 0.02},
    {u"OK", 0.045, 0.02},    {u"OR", 0, 0},          {u"PA", 0.06, 0},     {u"RI", 0.07, 0},
    {u"SC", 0.06, 0},        {u"SD", 0.04, 0},       {u"TN", 0.07, 0.055}, {u"TX", 0.0625, 0},
    {u"UT", 0.0475, 0.0475}, {u"VT", 0.06, 0.02},    {u"VA", 0.05, 0.025}, {u"WA", 0.065, 0},
    {u"WV", 0.06, 0.03},     {u"WI", 0.05, 0},       {u"WY", 0.04, 0},
}};

}  // namespace

TaxRate LookupTaxRate(std::u16string_view stateCode, bool isFood,
                      std::u16string_view customRateText) {
  if (stateCode == kNoStateCode) return NoStateChosen{};
  // No range check: whatever the user typed applies as typed.
  if (stateCode == kCustomRateCode) return ReadNumber(customRateText) * kRatePerPercent;
  for (const StateRates& state : kStateRates) {
    if (state.code == stateCode) return isFood ? state.food : state.general;
  }
  return 0.0;
}

TaxRate TaxRateInForce(bool withTax, std::u16string_view stateCode, bool isFood,
                       std::u16string_view customRateText) {
  if (!withTax) return 0.0;
  return LookupTaxRate(stateCode, isFood, customRateText);
}

}  // namespace tallyfox
