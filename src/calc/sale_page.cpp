#include "calc/sale_page.h"

namespace tallyfox {

CDialogTab2::CDialogTab2(ProgramValues& values, int templateNumber)
    : CalculatorPage(values, templateNumber, kIdcSaleFirstPrice) {}

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

}  // namespace tallyfox
