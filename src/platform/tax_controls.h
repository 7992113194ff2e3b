// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tax controls that the Sale and Discount pages and the Shopping List
// share: "With tax", "Food", the state button and the Tax Setup it opens.
// Each window keeps one, acting on that window's own controls; what the
// window does after a change (compute, show totals) stays the window's.

#include <string>

#include "core/program_values.h"
#include "core/tax/tax_rates.h"
#include "platform/dialog.h"

namespace tallyfox {

class TaxControls {
 public:
  TaxControls(Dialog& window, ProgramValues& values) : window_(window), values_(values) {}

  // The state code in force on the state button, "..." for none; its
  // tooltip names what it opens and a screen reader tells the rate in force.
  void ShowStateCode();
  // The code as the button shows it, which is what the window computes with.
  std::u16string ShownStateCode() const;
  // "With tax" has toggled: without a state it cannot stay ticked, and the
  // user is told so. True when the click stands.
  bool AcceptWithTaxClick();
  // Runs Tax Setup from the state button. When it ends with OK the new state
  // shows, and a state chosen turns tax on ("Food" keeps its tick). True
  // when it ended with OK.
  bool ChooseState();
  // A disabled "Food" is also clear: food counts only with tax.
  void EnableFood(bool enable);
  // The rate the ticks and the state button give.
  TaxRate Rate() const;
  // Where Rate() comes from, in words for a tooltip; empty without tax.
  std::u16string RateSource() const;
  // "With tax" is ticked but no state is chosen.
  void TellSetTaxFirst();

 private:
  Dialog& window_;
  ProgramValues& values_;
};

}  // namespace tallyfox
