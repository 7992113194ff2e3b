// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "Discount" page: one price at every discount from 5% up.

#include <cstddef>

#include "calc/calculator_page.h"
#include "res/calc_ids.h"

namespace tallyfox {

class CDialogTab1 : public CalculatorPage {
 public:
  explicit CDialogTab1(ProgramValues& values, int templateNumber = kIddDiscountPortrait);

 protected:
  bool OnInitDialog() override;

 private:
  void OnCalc();
  // The fixed discounts that this page's template has room for.
  std::size_t FixedDiscountCount() const;

  static const MessageEntry<CDialogTab1> kMessageMap[];
};

class CDialogTab1L : public CDialogTab1 {
 public:
  explicit CDialogTab1L(ProgramValues& values) : CDialogTab1(values, kIddDiscountLandscape) {}
};

}  // namespace tallyfox
