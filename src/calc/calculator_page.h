#pragma once

// What the Sale and Discount pages share: the tax controls ("With tax",
// "Food" and the state button) and the price box the shell focuses.

#include "platform/dialog.h"
#include "tax/program_values.h"

namespace tallyfox {

class CalculatorPage : public Dialog {
 public:
  CalculatorPage(ProgramValues& values, int templateNumber, int firstPriceId);

  // The state button shows the state code in force.
  void ShowStateCode();
  // Focus to the first price box, its text selected.
  void FocusFirstPrice();

 protected:
  // Runs when the window is created: the tax controls' first state, then the
  // state code on the state button.
  void InitTaxControls();

  ProgramValues& values_;

 private:
  int firstPriceId_;
};

}  // namespace tallyfox
