// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "res/tax_setup_ids.h"
#include "support/program_harness.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

using testing::Click;
using testing::kTaxFileCustom825;

class TaxSetupTest : public testing::ProgramTest {
 protected:
  // Runs Tax Setup over a customised 8.25% in the file; true when it ends with OK.
  bool Run(const std::function<void(Dialog&)>& actions) {
    StoreTaxFile(kTaxFileCustom825);
    script_.ExpectDialog(kIddTaxSetup, actions);
    return RunTaxSetup(values_);
  }
  std::string Setting() const {
    return ToUtf8(values_.taxSetting.stateCode + u" " + values_.taxSetting.customRateText);
  }
  std::string StoredFile() const { return testing::ReadBytes(folder_.path() / "tax.ini"); }

  ProgramValues values_{folder_.path(), {u"S.", u"8.25"}, {}, false, {}};
};

std::string Mode(const Dialog& dialog) {
  return std::string(dialog.RadioItem(kIdcChooseState).IsChecked() ? "state" : "") +
         (dialog.RadioItem(kIdcCustomizeRate).IsChecked() ? "rate" : "") +
         (dialog.Item(kIdcStateList).IsEnabled() ? " list" : "") +
         (dialog.EditItem(kIdcRateField).IsReadOnly() ? "" : " field");
}

// Opens on the first state; a refused empty rate leaves the setting as the file holds it.
TEST_F(TaxSetupTest, TheRadioButtonsSwitchModeAnEmptyRateIsRefusedEscapeSavesNothing) {
  EXPECT_FALSE(Run([&](Dialog& dialog) {
    EXPECT_EQ(testing::Shown(dialog, kIdcStateList) + testing::Shown(dialog, kIdcRateField), "AK");
    EXPECT_EQ(Mode(dialog), "rate field");
    Click(dialog, kIdcChooseState);
    Click(dialog, kIdcCustomizeRate);
    script_.ExpectMessage(u"Please input the sales tax rate.");
    Click(dialog, kIdcSetAndSave);
    testing::TypeInto(dialog, kIdcRateField, u"9");
    testing::PressEscape(dialog);
  }));
  EXPECT_EQ(Setting(), "S. 8.25");
  EXPECT_EQ(StoredFile(), kTaxFileCustom825);
}

// The setting always matches the file; a rate keeps its first five characters.
TEST_F(TaxSetupTest, AFailedOpenOrWriteKeepsTheOldSettingAndTheDialogOpen) {
  values_.taxSetting.stateCode = u"CA";
  EXPECT_TRUE(Run([&](Dialog& dialog) {
    Click(dialog, kIdcCustomizeRate);
    testing::TypeInto(dialog, kIdcRateField, u"12.3456");
    for (const auto& [fault, message] :
         {std::pair{FileOperation::Open, u"Failed to save tax."},
          std::pair{FileOperation::Write,
                    u"Failed to write the tax file. The tax setting is unchanged."}}) {
      testing::FailingOperation failing(fault);
      ScopedFileFaults installed(failing);
      script_.ExpectMessage(message);
      Click(dialog, kIdcSetAndSave);
      EXPECT_FALSE(dialog.HasEnded());
      EXPECT_EQ(Setting(), "CA 8.25");
      EXPECT_EQ(StoredFile(), kTaxFileCustom825);
    }
    script_.ExpectMessage(u"Sales tax setting is saved successfully.");
    Click(dialog, kIdcSetAndSave);
  }));
  EXPECT_EQ(Setting(), "S. 12.34");
  EXPECT_EQ(StoredFile(), std::string("S...1\0002\0.\0003\0004\0", 14));
}

}  // namespace
}  // namespace tallyfox
