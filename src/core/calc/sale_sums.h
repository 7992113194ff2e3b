// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Sale page's arithmetic, apart from its controls.

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tallyfox {

// One row's texts as typed.
struct SaleRow {
  std::u16string price;
  std::u16string percentOff;
  std::u16string quantity;
};

// What the page shows after "Calc".
struct SaleSums {
  std::vector<std::u16string> rowResults;  // one per row, in order
  std::u16string tax;
  std::u16string total;
  // Never shown on the page; they say how Tax and Total were reached.
  std::vector<std::u16string> rowTaxes;  // one per row, as added
  std::u16string subtotal;
};

// Each row's discounted amount and the tax on it are rounded to cents, and
// Tax and Total add those rounded amounts: what the user sees adds up.
// Nothing when an amount would not be a finite number.
std::optional<SaleSums> SumSale(std::span<const SaleRow> rows, double taxRate);

}  // namespace tallyfox
