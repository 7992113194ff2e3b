// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/sale_page.h"

#include <array>

#include "core/calc/sale_sums.h"
#include "core/tax/tax_explained.h"

namespace tallyfox {

const MessageEntry<CDialogTab2> CDialogTab2::kMessageMap[] = {
    {kIdcSaleCalc, Notify::Clicked, &CDialogTab2::OnCalc},
    {kIdcSaleClear, Notify::Clicked, &CDialogTab2::OnClear},
};

CDialogTab2::CDialogTab2(ProgramValues& values, int templateNumber)
    : CalculatorPage(values, templateNumber, kIdcSaleFirstPrice) {
  UseMessageMap(this, kMessageMap);
}

bool CDialogTab2::OnInitDialog() {
  Dialog::OnInitDialog();
  InitTaxControls();
  FocusFirstPrice();
  return false;
}

void CDialogTab2::ResetRows() {
  for (std::size_t row = 0; row < kSalePriceIds.size(); ++row) {
    SetItemText(kSalePriceIds[row], u"0");
    SetItemText(kSalePercentIds[row], u"0");
    SetItemText(kSaleQtyIds[row], u"1");
    SetItemText(kSaleResultIds[row], u"0.00");
  }
}

// Results change only here and in "C"; the tax controls never recompute.
void CDialogTab2::OnCalc() {
  std::array<SaleRow, kSalePriceIds.size()> rows;
  for (std::size_t row = 0; row < rows.size(); ++row) {
    rows[row] = {ItemText(kSalePriceIds[row]), ItemText(kSalePercentIds[row]),
                 ItemText(kSaleQtyIds[row])};
  }
  const std::optional<double> rate = RateForCalc();
  if (!rate) return;
  const std::optional<SaleSums> sums = SumSale(rows, *rate);
  if (!sums) {
    ReportAmountTooLarge();
    return;
  }
  for (std::size_t row = 0; row < rows.size(); ++row) {
    SetItemText(kSaleResultIds[row], sums->rowResults[row]);
  }
  SetItemText(kIdcSaleTax, sums->tax);
  SetItemText(kIdcSaleTotal, sums->total);
  ExplainTotals(*sums, *rate);
}

void CDialogTab2::ExplainTotals(const SaleSums& sums, double rate) {
  Item(kIdcSaleTax).SetToolTip(RowTaxExplained(sums.tax, sums.rowTaxes, rate, RateSource()));
  Item(kIdcSaleTotal).SetToolTip(TotalExplained(sums.total, sums.subtotal, sums.tax));
}

void CDialogTab2::OnClear() {
  ResetRows();
  SetItemText(kIdcSaleTotal, u"");
  SetItemText(kIdcSaleTax, u"");
  for (int id : {kIdcSaleTax, kIdcSaleTotal}) Item(id).SetToolTip(u"");
}

}  // namespace tallyfox
