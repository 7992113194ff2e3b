// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "Sale" page: sixteen rows of price, discount and quantity.

#include "calc/calculator_page.h"
#include "core/calc/sale_sums.h"
#include "res/calc_ids.h"

namespace tallyfox {

class CDialogTab2 : public CalculatorPage {
 public:
  explicit CDialogTab2(ProgramValues& values, int templateNumber = kIddSalePortrait);

  // Every row back to price 0, discount 0, quantity 1 and result 0.00.
  void ResetRows();

 protected:
  bool OnInitDialog() override;

 private:
  void OnCalc();
  void OnClear();
  void ExplainTotals(const SaleSums& sums, double rate);

  static const MessageEntry<CDialogTab2> kMessageMap[];
};

class CDialogTab2L : public CDialogTab2 {
 public:
  explicit CDialogTab2L(ProgramValues& values) : CDialogTab2(values, kIddSaleLandscape) {}
};

}  // namespace tallyfox
