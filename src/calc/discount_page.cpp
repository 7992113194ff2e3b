#include "calc/discount_page.h"

namespace tallyfox {

CDialogTab1::CDialogTab1(ProgramValues& values, int templateNumber)
    : CalculatorPage(values, templateNumber, kIdcDiscountPrice) {}

bool CDialogTab1::OnInitDialog() {
  Dialog::OnInitDialog();
  InitTaxControls();
  EditItem(kIdcDiscountPrice).SetFocus();
  return false;
}

}  // namespace tallyfox
