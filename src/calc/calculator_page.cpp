#include "calc/calculator_page.h"

#include "core/common/text.h"
#include "core/tax/tax_rates.h"
#include "platform/modal.h"
#include "res/tax_control_ids.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kSetTaxFirst = u"Set your local sales tax firstly.";

}  // namespace

const MessageEntry<CalculatorPage> CalculatorPage::kMessageMap[] = {
    {kIdcWithTax, Notify::Clicked, &CalculatorPage::OnWithTaxClicked},
    {kIdcStateButton, Notify::Clicked, &CalculatorPage::OnStateButtonClicked},
};

CalculatorPage::CalculatorPage(ProgramValues& values, int templateNumber, int firstPriceId)
    : Dialog(templateNumber), values_(values), firstPriceId_(firstPriceId) {}

bool CalculatorPage::Route(Notification& notification) {
  return RouteThrough<CalculatorPage>(kMessageMap, *this, notification) ||
         Dialog::Route(notification);
}

void CalculatorPage::ShowStateCode() { SetItemText(kIdcStateButton, values_.taxSetting.stateCode); }

void CalculatorPage::FocusFirstPrice() {
  Edit& price = EditItem(firstPriceId_);
  price.SetFocus();
  price.SelectAll();
}

void CalculatorPage::InitTaxControls() {
  EnableFood(CheckBoxItem(kIdcWithTax).IsChecked());
  ShowStateCode();
}

void CalculatorPage::EnableFood(bool enable) {
  CheckBox& food = CheckBoxItem(kIdcFood);
  if (!enable) food.SetChecked(false);
  food.Enable(enable);
}

std::u16string CalculatorPage::ShownStateCode() const {
  return std::u16string(Left(ItemText(kIdcStateButton), kStateCodeMaxChars));
}

// The box has toggled already; without a state it cannot stay ticked.
void CalculatorPage::OnWithTaxClicked() {
  CheckBox& withTax = CheckBoxItem(kIdcWithTax);
  if (ShownStateCode() == kNoStateCode) {
    MessageBox(this, kSetTaxFirst);
    withTax.SetChecked(false);
    return;
  }
  EnableFood(withTax.IsChecked());
}

// Choosing a state means the user wants tax; "Food" keeps its tick.
void CalculatorPage::OnStateButtonClicked() {
  if (!RunTaxSetup(values_)) return;
  ShowStateCode();
  if (values_.taxSetting.stateCode == kNoStateCode) return;
  CheckBoxItem(kIdcWithTax).SetChecked(true);
  CheckBoxItem(kIdcFood).Enable(true);
}

std::optional<double> CalculatorPage::RateForCalc() {
  const TaxRate rate =
      TaxRateInForce(CheckBoxItem(kIdcWithTax).IsChecked(), ShownStateCode(),
                     CheckBoxItem(kIdcFood).IsChecked(), values_.taxSetting.customRateText);
  if (const double* value = std::get_if<double>(&rate)) return *value;
  MessageBox(this, kSetTaxFirst);
  return std::nullopt;
}

void CalculatorPage::ReportAmountTooLarge() { MessageBox(this, u"The amount is too large."); }

}  // namespace tallyfox
