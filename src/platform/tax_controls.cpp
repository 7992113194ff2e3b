// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/tax_controls.h"

#include "core/common/text.h"
#include "core/tax/tax_explained.h"
#include "platform/modal.h"
#include "res/tax_control_ids.h"

namespace tallyfox {

void TaxControls::ShowStateCode() {
  const std::u16string& code = values_.taxSetting.stateCode;
  window_.SetItemText(kIdcStateButton, code.empty() ? kNoStateCode : std::u16string_view(code));
  Control& button = window_.Item(kIdcStateButton);
  button.SetToolTip(u"Tax Setup");
  button.SetAccessibleDescription(TaxInForce(ShownStateCode(), values_.taxSetting.customRateText));
}

std::u16string TaxControls::ShownStateCode() const {
  return std::u16string(Left(window_.ItemText(kIdcStateButton), kStateCodeMaxChars));
}

bool TaxControls::AcceptWithTaxClick() {
  if (ShownStateCode() != kNoStateCode) return true;
  TellSetTaxFirst();
  window_.CheckBoxItem(kIdcWithTax).SetChecked(false);
  return false;
}

bool TaxControls::ChooseState() {
  if (!values_.runTaxSetup || !values_.runTaxSetup(values_)) return false;
  ShowStateCode();
  // What the button shows decides, as it does for every sum: a code that
  // shows as "..." (none, or an empty one from a damaged file) turns nothing on.
  if (ShownStateCode() != kNoStateCode) {
    window_.CheckBoxItem(kIdcWithTax).SetChecked(true);
    window_.CheckBoxItem(kIdcFood).Enable(true);
  }
  return true;
}

void TaxControls::EnableFood(bool enable) {
  CheckBox& food = window_.CheckBoxItem(kIdcFood);
  if (!enable) food.SetChecked(false);
  food.Enable(enable);
}

TaxRate TaxControls::Rate() const {
  return TaxRateInForce(window_.CheckBoxItem(kIdcWithTax).IsChecked(), ShownStateCode(),
                        window_.CheckBoxItem(kIdcFood).IsChecked(),
                        values_.taxSetting.customRateText);
}

std::u16string TaxControls::RateSource() const {
  return tallyfox::RateSource(window_.CheckBoxItem(kIdcWithTax).IsChecked(), ShownStateCode(),
                              window_.CheckBoxItem(kIdcFood).IsChecked());
}

void TaxControls::TellSetTaxFirst() { MessageBox(&window_, u"Set your local sales tax firstly."); }

}  // namespace tallyfox
