// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tax/tax_setup_dialog.h"

#include "core/common/text.h"
#include "core/tax/tax_file.h"
#include "core/tax/tax_rates.h"
#include "platform/modal.h"
#include "res/tax_setup_ids.h"

namespace tallyfox {
namespace {

constexpr std::size_t kCustomRateMaxChars = 5;

}  // namespace

const MessageEntry<CDlgTaxSetup> CDlgTaxSetup::kMessageMap[] = {
    {kIdcChooseState, Notify::Clicked, &CDlgTaxSetup::OnModeClicked},
    {kIdcCustomizeRate, Notify::Clicked, &CDlgTaxSetup::OnModeClicked},
    {kIdcSetAndSave, Notify::Clicked, &CDlgTaxSetup::OnSetAndSave},
};

CDlgTaxSetup::CDlgTaxSetup(ProgramValues& values) : Dialog(kIddTaxSetup), values_(values) {
  UseMessageMap(this, kMessageMap);
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

std::optional<std::u16string_view> CDlgTaxSetup::TakeInput(TaxSetting& setting) const {
  if (mode_ == kCustomRateMode) {
    setting.customRateText = Left(ItemText(kIdcRateField), kCustomRateMaxChars);
    if (setting.customRateText.empty()) return u"Please input the sales tax rate.";
    setting.stateCode = kCustomRateCode;
    return std::nullopt;
  }
  const DropDownList& list = DropDownItem(kIdcStateList);
  const std::u16string chosen(Left(list.TextAt(list.CurSel()), kStateCodeMaxChars));
  // A list without a selection would give an empty code; it counts as none.
  if (chosen.empty() || chosen == kNoStateCode) return u"Please choose your state.";
  setting.stateCode = chosen;
  return std::nullopt;
}

// The choice is worked out on a copy and taken only once the file holds it,
// so a refused or unwritten setting leaves the one in force as the file has
// it. The dialog keeps the input for another try.
void CDlgTaxSetup::OnSetAndSave() {
  std::optional<TaxFileWriter> writer = TaxFileWriter::Open(values_.appFolder);
  if (!writer) {
    MessageBox(this, u"Failed to save tax.");
    return;
  }
  UpdateData(true);
  TaxSetting chosen = values_.taxSetting;
  if (const auto problem = TakeInput(chosen)) {
    writer.reset();
    MessageBox(this, *problem);
    return;
  }
  if (!writer->Write(chosen)) {
    MessageBox(this, u"Failed to write the tax file. The tax setting is unchanged.");
    return;
  }
  values_.taxSetting = chosen;
  MessageBox(this, u"Sales tax setting is saved successfully.");
  EndDialog(kIdOk);
}

bool RunTaxSetup(ProgramValues& values) {
  CDlgTaxSetup dialog(values);
  return dialog.DoModal() == kIdOk;
}

}  // namespace tallyfox
