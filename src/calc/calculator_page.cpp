// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculator_page.h"

#include "platform/modal.h"
#include "res/tax_control_ids.h"

namespace tallyfox {

const MessageEntry<CalculatorPage> CalculatorPage::kMessageMap[] = {
    {kIdcWithTax, Notify::Clicked, &CalculatorPage::OnWithTaxClicked},
    {kIdcStateButton, Notify::Clicked, &CalculatorPage::OnStateButtonClicked},
};

CalculatorPage::CalculatorPage(ProgramValues& values, int templateNumber, int firstPriceId)
    : Dialog(templateNumber), firstPriceId_(firstPriceId), taxControls_(*this, values) {
  UseMessageMap(this, kMessageMap);
}

void CalculatorPage::FocusFirstPrice() {
  Edit& price = EditItem(firstPriceId_);
  price.SetFocus();
  price.SelectAll();
}

void CalculatorPage::InitTaxControls() {
  taxControls_.EnableFood(CheckBoxItem(kIdcWithTax).IsChecked());
  taxControls_.ShowStateCode();
}

// The box has toggled already.
void CalculatorPage::OnWithTaxClicked() {
  if (taxControls_.AcceptWithTaxClick()) {
    taxControls_.EnableFood(CheckBoxItem(kIdcWithTax).IsChecked());
  }
}

std::optional<double> CalculatorPage::RateForCalc() {
  const TaxRate rate = taxControls_.Rate();
  if (const double* value = std::get_if<double>(&rate)) return *value;
  taxControls_.TellSetTaxFirst();
  return std::nullopt;
}

void CalculatorPage::ReportAmountTooLarge() { MessageBox(this, u"The amount is too large."); }

}  // namespace tallyfox
