#include "calc/calculator_page.h"

#include "res/tax_control_ids.h"

namespace tallyfox {

CalculatorPage::CalculatorPage(ProgramValues& values, int templateNumber, int firstPriceId)
    : Dialog(templateNumber), values_(values), firstPriceId_(firstPriceId) {}

void CalculatorPage::ShowStateCode() { SetItemText(kIdcStateButton, values_.taxSetting.stateCode); }

void CalculatorPage::FocusFirstPrice() {
  Edit& price = EditItem(firstPriceId_);
  price.SetFocus();
  price.SelectAll();
}

void CalculatorPage::InitTaxControls() {
  CheckBox& food = CheckBoxItem(kIdcFood);
  if (CheckBoxItem(kIdcWithTax).IsChecked()) {
    food.Enable(true);
  } else {
    food.SetChecked(false);
    food.Enable(false);
  }
  ShowStateCode();
}

}  // namespace tallyfox
