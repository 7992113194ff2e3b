#include "tax/tax_setup_dialog.h"

#include "common/text.h"
#include "platform/modal.h"
#include "res/tax_setup_ids.h"
#include "tax/tax_file.h"
#include "tax/tax_rates.h"

namespace tallyfox {
namespace {

constexpr std::size_t kCustomRateMaxChars = 5;

}  // namespace

const MessageEntry<CDlgTaxSetup> CDlgTaxSetup::kMessageMap[] = {
    {kIdcChooseState, Notify::Clicked, &CDlgTaxSetup::OnModeClicked},
    {kIdcCustomizeRate, Notify::Clicked, &CDlgTaxSetup::OnModeClicked},
    {kIdcSetAndSave, Notify::Clicked, &CDlgTaxSetup::OnSetAndSave},
};

CDlgTaxSetup::CDlgTaxSetup(ProgramValues& values) : Dialog(kIddTaxSetup), values_(values) {}

bool CDlgTaxSetup::Route(Notification& notification) {
  return RouteThrough<CDlgTaxSetup>(kMessageMap, *this, notification) ||
         Dialog::Route(notification);
}

void CDlgTaxSetup::DoDataExchange(DataExchange& dx) { dx.Radio(kIdcChooseState, mode_); }

// The list opens on its first code whatever is in force, and the rate field
// starts empty: the user picks afresh each time.
bool CDlgTaxSetup::OnInitDialog() {
  Dialog::OnInitDialog();
  DropDownItem(kIdcStateList).SetCurSel(0);
  mode_ = values_.taxSetting.stateCode == kCustomRateCode ? kCustomRateMode : kStateMode;
  ShowMode();
  UpdateData(false);
  return true;
}

void CDlgTaxSetup::ShowMode() {
  const bool customRate = mode_ == kCustomRateMode;
  EditItem(kIdcRateField).SetReadOnly(!customRate);
  DropDownItem(kIdcStateList).Enable(!customRate);
}

void CDlgTaxSetup::OnModeClicked() {
  UpdateData(true);
  ShowMode();
}

std::optional<std::u16string_view> CDlgTaxSetup::TakeInput() {
  TaxSetting& setting = values_.taxSetting;
  if (mode_ == kCustomRateMode) {
    setting.customRateText = Left(ItemText(kIdcRateField), kCustomRateMaxChars);
    if (setting.customRateText.empty()) {
      setting.customRateText = u"0";
      return u"Please input the sales tax rate.";
    }
    setting.stateCode = kCustomRateCode;
    return std::nullopt;
  }
  const DropDownList& list = DropDownItem(kIdcStateList);
  const std::u16string chosen(Left(list.TextAt(list.CurSel()), kStateCodeMaxChars));
  // A list without a selection would give an empty code; it counts as none.
  if (chosen.empty() || chosen == kNoStateCode) {
    setting.customRateText = u"0";
    return u"Please choose your state.";
  }
  setting.stateCode = chosen;
  return std::nullopt;
}

// The file is opened before the input is checked, so that a setting that
// could not be stored is never taken.
void CDlgTaxSetup::OnSetAndSave() {
  std::optional<TaxFileWriter> writer = TaxFileWriter::Open(values_.appFolder);
  if (!writer) {
    MessageBox(this, u"Failed to save tax.");
    return;
  }
  UpdateData(true);
  const TaxSetting before = values_.taxSetting;
  if (const auto problem = TakeInput()) {
    writer.reset();
    MessageBox(this, *problem);
    return;
  }
  // The setting in force must match the file, so a failed write takes back
  // the new values too; the dialog keeps them for another try.
  if (!writer->Write(values_.taxSetting)) {
    values_.taxSetting = before;
    MessageBox(this, u"Failed to write the tax file. The tax setting is unchanged.");
    return;
  }
  MessageBox(this, u"Sales tax setting is saved successfully.");
  EndDialog(kIdOk);
}

bool RunTaxSetup(ProgramValues& values) {
  CDlgTaxSetup dialog(values);
  return dialog.DoModal() == kIdOk;
}

}  // namespace tallyfox
