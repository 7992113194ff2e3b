// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/discount_page.h"

#include "core/calc/discount_prices.h"

namespace tallyfox {

static_assert(kDiscountMultipliers.size() == kDiscountBoxIds.size());

const MessageEntry<CDialogTab1> CDialogTab1::kMessageMap[] = {
    {kIdcDiscountCalc, Notify::Clicked, &CDialogTab1::OnCalc},
};

CDialogTab1::CDialogTab1(ProgramValues& values, int templateNumber)
    : CalculatorPage(values, templateNumber, kIdcDiscountPrice) {
  UseMessageMap(this, kMessageMap);
}

bool CDialogTab1::OnInitDialog() {
  Dialog::OnInitDialog();
  InitTaxControls();
  EditItem(kIdcDiscountPrice).SetFocus();
  return false;
}

// The boxes are the leading ones of the full set: a smaller page drops the
// largest discounts.
std::size_t CDialogTab1::FixedDiscountCount() const {
  std::size_t count = 0;
  while (count < kDiscountBoxIds.size() && HasItem(kDiscountBoxIds[count])) ++count;
  return count;
}

void CDialogTab1::OnCalc() {
  const std::u16string price = ItemText(kIdcDiscountPrice);
  const std::u16string customPercent = ItemText(kIdcDiscountCustomPercent);
  const std::optional<double> rate = RateForCalc();
  if (!rate) return;
  const std::optional<DiscountPrices> prices =
      PriceAtDiscounts(price, customPercent, *rate, FixedDiscountCount());
  if (!prices) {
    ReportAmountTooLarge();
    return;
  }
  for (std::size_t i = 0; i < prices->fixed.size(); ++i) {
    SetItemText(kDiscountBoxIds[i], prices->fixed[i]);
  }
  SetItemText(kIdcDiscountPriceWithTax, prices->priceWithTax);
  SetItemText(kIdcDiscountCustomResult, prices->custom);
}

}  // namespace tallyfox
