#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "../common/test_files.h"
#include "common/text.h"
#include "platform/test_seam.h"
#include "res/tax_setup_ids.h"
#include "support/temp_folder.h"
#include "support/user_input.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

using namespace std::string_literals;
using testing::ChooseEntry;
using testing::Click;
using testing::CloseWithCaptionOk;
using testing::FailingOperation;
using testing::TypeInto;

const std::string kCaliforniaRecord = "C\0A\0\0\0\0\0\0\0\0\0"s;
const std::string kRate825Record = "S...8\0.\0002\0005\0"s;
constexpr std::u16string_view kSaved = u"Sales tax setting is saved successfully.";
constexpr std::u16string_view kWriteFailed =
    u"Failed to write the tax file. The tax setting is unchanged.";

class TaxSetupTest : public ::testing::Test {
 protected:
  void SetUp() override { values_.appFolder = folder_.path(); }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  void InForce(std::u16string stateCode, std::u16string customRateText, std::string file) {
    values_.taxSetting = {std::move(stateCode), std::move(customRateText)};
    testing::WriteBytes(TaxFile(), file);
  }
  std::filesystem::path TaxFile() const { return folder_.path() / "tax.ini"; }

  // Opens Tax Setup as a state button does; `actions` act on it as the user,
  // each expecting the messages its clicks bring.
  bool Run(const std::function<void(Dialog&)>& actions) {
    script_.ExpectDialog(kIddTaxSetup, actions);
    return RunTaxSetup(values_);
  }

  void ExpectSetting(std::u16string_view stateCode, std::u16string_view customRateText) const {
    EXPECT_EQ(values_.taxSetting.stateCode, stateCode);
    EXPECT_EQ(values_.taxSetting.customRateText, customRateText);
  }

  testing::TempFolder folder_;
  ProgramValues values_;
  UiScript script_;
};

void ExpectStateMode(const Dialog& dialog) {
  EXPECT_TRUE(dialog.RadioItem(kIdcChooseState).IsChecked());
  EXPECT_FALSE(dialog.RadioItem(kIdcCustomizeRate).IsChecked());
  EXPECT_TRUE(dialog.Item(kIdcStateList).IsEnabled());
  EXPECT_TRUE(dialog.EditItem(kIdcRateField).IsReadOnly());
}

void ExpectCustomRateMode(const Dialog& dialog) {
  EXPECT_FALSE(dialog.RadioItem(kIdcChooseState).IsChecked());
  EXPECT_TRUE(dialog.RadioItem(kIdcCustomizeRate).IsChecked());
  EXPECT_FALSE(dialog.Item(kIdcStateList).IsEnabled());
  EXPECT_FALSE(dialog.EditItem(kIdcRateField).IsReadOnly());
}

std::u16string SelectedState(const Dialog& dialog) {
  const DropDownList& list = dialog.DropDownItem(kIdcStateList);
  return list.TextAt(list.CurSel());
}

TEST_F(TaxSetupTest, OpensOnTheFirstStateWhateverIsInForce) {
  for (std::u16string_view code : {u"CA", u"...", u"WY", u"S."}) {
    SCOPED_TRACE(ToUtf8(code));
    values_.taxSetting = {std::u16string(code), u"8.25"};
    Run([&](Dialog& dialog) {
      EXPECT_TRUE(dialog.WindowTitle() == u"Tax Setup");
      EXPECT_TRUE(SelectedState(dialog) == u"AK");
      EXPECT_TRUE(dialog.ItemText(kIdcRateField).empty());
      if (code == u"S.") {
        ExpectCustomRateMode(dialog);
      } else {
        ExpectStateMode(dialog);
      }
      CloseWithCaptionOk(dialog);
    });
    ExpectSetting(code, u"8.25");
  }
  EXPECT_FALSE(std::filesystem::exists(TaxFile())) << "the caption OK button saves nothing";
}

TEST_F(TaxSetupTest, TheRadioButtonsSwitchTheInputMode) {
  values_.taxSetting.stateCode = u"CA";
  Run([](Dialog& dialog) {
    Click(dialog, kIdcCustomizeRate);
    ExpectCustomRateMode(dialog);
    Click(dialog, kIdcChooseState);
    ExpectStateMode(dialog);
    CloseWithCaptionOk(dialog);
  });
}

TEST_F(TaxSetupTest, ACaptionOkCountsAsOkAndEscapeDoesNot) {
  EXPECT_TRUE(Run([](Dialog& dialog) { CloseWithCaptionOk(dialog); }));
  EXPECT_FALSE(Run([](Dialog& dialog) { testing::PressEscape(dialog); }));
}

TEST_F(TaxSetupTest, SetAndSaveStoresTheChosenState) {
  const struct {
    const char* name;
    std::u16string_view choice;  // empty: save at once
    std::u16string_view stored;
    std::string record;
  } cases[] = {
      {"at once", u"", u"AK", "A\0K\0\0\0\0\0\0\0\0\0"s},
      {"DC", u"DC", u"DC", "D\0C\0\0\0\0\0\0\0\0\0"s},
      {"last in the list", u"WY", u"WY", "W\0Y\0\0\0\0\0\0\0\0\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    InForce(u"CA", u"", kCaliforniaRecord);
    EXPECT_TRUE(Run([&](Dialog& dialog) {
      if (!c.choice.empty()) ChooseEntry(dialog, kIdcStateList, c.choice);
      script_.ExpectMessage(std::u16string(kSaved));
      Click(dialog, kIdcSetAndSave);
    }));
    ExpectSetting(c.stored, u"");
    EXPECT_EQ(testing::ReadBytes(TaxFile()), c.record);
  }
}

TEST_F(TaxSetupTest, ChoosingAStateKeepsTheCustomisedRateTextInMemory) {
  InForce(u"S.", u"8.25", kRate825Record);
  Run([&](Dialog& dialog) {
    Click(dialog, kIdcChooseState);
    ChooseEntry(dialog, kIdcStateList, u"TN");
    script_.ExpectMessage(std::u16string(kSaved));
    Click(dialog, kIdcSetAndSave);
  });
  ExpectSetting(u"TN", u"8.25");
  EXPECT_EQ(testing::ReadBytes(TaxFile()), "T\0N\0\0\0\0\0\0\0\0\0"s);
}

TEST_F(TaxSetupTest, SetAndSaveStoresTheCustomisedRate) {
  const struct {
    std::u16string_view typed;
    std::u16string_view inMemory;
    std::string record;
  } cases[] = {
      {u"8.25", u"8.25", kRate825Record},
      {u"7", u"7", "S...7\0\0\0\0\0\0\0"s},
      {u"12.3456", u"12.34", "S...1\0002\0.\0003\0004\0"s},
      {u"abc", u"abc", "S...a\0b\0c\0\0\0"s},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.typed));
    InForce(u"CA", u"", kCaliforniaRecord);
    EXPECT_TRUE(Run([&](Dialog& dialog) {
      Click(dialog, kIdcCustomizeRate);
      TypeInto(dialog, kIdcRateField, c.typed);
      script_.ExpectMessage(std::u16string(kSaved));
      Click(dialog, kIdcSetAndSave);
    }));
    ExpectSetting(u"S.", c.inMemory);
    EXPECT_EQ(testing::ReadBytes(TaxFile()), c.record);
  }
}

TEST_F(TaxSetupTest, AnEmptyRateIsRefusedAndLeavesTheFileAlone) {
  InForce(u"S.", u"8.25", kRate825Record);
  EXPECT_TRUE(Run([&](Dialog& dialog) {
    script_.ExpectMessage(u"Please input the sales tax rate.");
    Click(dialog, kIdcSetAndSave);
    EXPECT_FALSE(dialog.HasEnded());
    ExpectCustomRateMode(dialog);
    CloseWithCaptionOk(dialog);
  }));
  ExpectSetting(u"S.", u"0");
  EXPECT_EQ(testing::ReadBytes(TaxFile()), kRate825Record);
}

TEST_F(TaxSetupTest, AFileThatCannotBeOpenedChangesNothing) {
  InForce(u"CA", u"", kCaliforniaRecord);
  Run([&](Dialog& dialog) {
    Click(dialog, kIdcCustomizeRate);
    TypeInto(dialog, kIdcRateField, u"9");
    FailingOperation fault(FileOperation::Open);
    ScopedFileFaults installed(fault);
    script_.ExpectMessage(u"Failed to save tax.");
    Click(dialog, kIdcSetAndSave);
    EXPECT_FALSE(dialog.HasEnded());
    CloseWithCaptionOk(dialog);
  });
  ExpectSetting(u"CA", u"");
  EXPECT_EQ(testing::ReadBytes(TaxFile()), kCaliforniaRecord);
}

TEST_F(TaxSetupTest, AFailedWriteKeepsTheOldSettingAndTheDialogForAnotherTry) {
  for (FileOperation operation :
       {FileOperation::Write, FileOperation::Flush, FileOperation::Replace}) {
    SCOPED_TRACE(static_cast<int>(operation));
    InForce(u"S.", u"8.25", kRate825Record);
    EXPECT_TRUE(Run([&](Dialog& dialog) {
      TypeInto(dialog, kIdcRateField, u"6.5");
      {
        FailingOperation fault(operation);
        ScopedFileFaults installed(fault);
        script_.ExpectMessage(std::u16string(kWriteFailed));
        Click(dialog, kIdcSetAndSave);
      }
      EXPECT_FALSE(dialog.HasEnded());
      ExpectSetting(u"S.", u"8.25");
      EXPECT_EQ(testing::ReadBytes(TaxFile()), kRate825Record);
      EXPECT_FALSE(std::filesystem::exists(folder_.path() / "tax.ini.new"));
      EXPECT_TRUE(dialog.ItemText(kIdcRateField) == u"6.5");
      script_.ExpectMessage(std::u16string(kSaved));
      Click(dialog, kIdcSetAndSave);
    }));
    ExpectSetting(u"S.", u"6.5");
    EXPECT_EQ(testing::ReadBytes(TaxFile()), "S...6\0.\0005\0\0\0"s);
  }
}

}  // namespace
}  // namespace tallyfox
