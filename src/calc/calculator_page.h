// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Sale and Discount pages share: the tax controls ("With tax",
// "Food" and the state button) and the price box the shell focuses.

#include <optional>
#include <string>

#include "core/program_values.h"
#include "platform/dialog.h"
#include "platform/tax_controls.h"

namespace tallyfox {

class CalculatorPage : public Dialog {
 public:
  CalculatorPage(ProgramValues& values, int templateNumber, int firstPriceId);

  // The state button shows the state code in force.
  void ShowStateCode() { taxControls_.ShowStateCode(); }
  // Focus to the first price box, its text selected.
  void FocusFirstPrice();

 protected:
  // Runs when the window is created: the tax controls' first state, then the
  // state code on the state button.
  void InitTaxControls();
  // The rate for "Calc" from the tax controls; nothing, once the user has
  // been told, when tax is asked for but no state is chosen.
  std::optional<double> RateForCalc();
  // Where the rate for "Calc" comes from, for the totals' tooltips.
  std::u16string RateSource() const { return taxControls_.RateSource(); }
  // For a "Calc" whose results would not be finite numbers: every box keeps
  // what it shows.
  void ReportAmountTooLarge();

 private:
  void OnWithTaxClicked();
  void OnStateButtonClicked() { taxControls_.ChooseState(); }

  static const MessageEntry<CalculatorPage> kMessageMap[];

  int firstPriceId_;
  TaxControls taxControls_;
};

}  // namespace tallyfox
