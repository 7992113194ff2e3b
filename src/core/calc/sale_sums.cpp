// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calc/sale_sums.h"

#include <cmath>

#include "core/common/numbers.h"

namespace tallyfox {

// An infinite amount would read back from its text as 0, so the sums would
// contradict the rows; the first amount past a double's range stops it all.
std::optional<SaleSums> SumSale(std::span<const SaleRow> rows, double taxRate) {
  SaleSums sums;
  double netSum = 0;
  double taxSum = 0;
  for (const SaleRow& row : rows) {
    const double gross = ReadNumber(row.quantity) * ReadNumber(row.price);
    const double net = (1 - ReadNumber(row.percentOff) * kRatePerPercent) * gross;
    const double tax = net * taxRate;
    if (!std::isfinite(tax)) return std::nullopt;  // never so when the net amount is not
    sums.rowResults.push_back(FormatFixed2(net));
    // The sums add each amount as shown, read back from its text.
    netSum += ReadNumber(sums.rowResults.back());
    sums.rowTaxes.push_back(FormatFixed2(tax));
    taxSum += ReadNumber(sums.rowTaxes.back());
  }
  if (!std::isfinite(taxSum + netSum)) return std::nullopt;  // finite only if both sums are
  sums.tax = FormatFixed2(taxSum);
  sums.total = FormatFixed2(taxSum + netSum);
  sums.subtotal = FormatFixed2(netSum);
  return sums;
}

}  // namespace tallyfox
