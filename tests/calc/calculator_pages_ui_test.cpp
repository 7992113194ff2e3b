// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "calc/discount_page.h"
#include "calc/sale_page.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

using testing::Click;
using testing::Shown;
using testing::TypeInto;

class CalculatorPagesTest : public testing::ProgramTest {
 protected:
  template <class Page>
  void WithPage(const std::function<void(Page&)>& actions) {
    Page page(values_);
    testing::RunHosted(script_, page, [&] { actions(page); });
  }

  ProgramValues values_{folder_.path(), {u"CA", u"0"}, {}, false, RunTaxSetup};
};

// The state button's text, the ticks, and "-" when "Food" cannot be ticked.
std::string TaxControls(const Dialog& page) {
  return Shown(page, kIdcStateButton) + (page.CheckBoxItem(kIdcWithTax).IsChecked() ? " tax" : "") +
         (page.CheckBoxItem(kIdcFood).IsChecked() ? " food" : "") +
         (testing::IsEnabled(page, kIdcFood) ? "" : " -");
}

std::string Shown(const Dialog& page, std::initializer_list<int> ids) {
  std::string texts;
  for (int id : ids) texts += Shown(page, id) + " ";
  return texts;
}

// The row taxes 0.87 and 1.51525 add up as 0.87 + 1.52. Without a state, tax
// cannot be asked for; a caption OK on Tax Setup shows the state in force.
TEST_F(CalculatorPagesTest, SalePageCalcClearAndTaxControls) {
  WithPage<CDialogTab2>([&](CDialogTab2& page) {
    page.ResetRows();
    TypeInto(page, kSalePriceIds[0], u"12");
    TypeInto(page, kSalePriceIds[1], u"11");
    TypeInto(page, kSalePercentIds[1], u"5");
    TypeInto(page, kSaleQtyIds[1], u"2");
    TypeInto(page, kSalePriceIds[15], u"abc");
    Click(page, kIdcWithTax);
    Click(page, kIdcSaleCalc);
    EXPECT_EQ(Shown(page, {kSaleResultIds[0], kSaleResultIds[1], kSaleResultIds[15], kIdcSaleTax,
                           kIdcSaleTotal}),
              "12.00 20.90 0.00 2.39 35.29 ");
    EXPECT_EQ(ToUtf8(page.Item(kIdcSaleTax).ToolTip()),
              "Tax 2.39 = 0.87 + 1.52 (CA, 7.25 %, each row rounded to the cent)");
    EXPECT_EQ(ToUtf8(page.Item(kIdcSaleTotal).ToolTip()), "Total 35.29 = 32.90 + tax 2.39");
    TypeInto(page, kSalePriceIds[2], u"1e308");
    TypeInto(page, kSalePriceIds[3], u"1e308");
    for (const char16_t* qty : {u"10", u"1"}) {  // a row, then only the sum, past a double
      TypeInto(page, kSaleQtyIds[2], qty);
      script_.ExpectMessage(u"The amount is too large.");
      Click(page, kIdcSaleCalc);
    }
    EXPECT_EQ(Shown(page, {kSaleResultIds[2], kIdcSaleTotal}), "0.00 35.29 ");
    Click(page, kIdcFood);
    Click(page, kIdcSaleClear);
    EXPECT_EQ(page.Item(kIdcSaleTax).ToolTip(), u"");
    Click(page, kIdcSaleCalc);
    EXPECT_EQ(ToUtf8(page.Item(kIdcSaleTax).ToolTip()),
              "Tax 0.00 (CA food rate, 0 %, each row rounded to the cent)");
    Click(page, kIdcSaleClear);
    EXPECT_EQ(Shown(page, {kSalePriceIds[1], kSalePercentIds[1], kSaleQtyIds[1], kSaleResultIds[1],
                           kSaleResultIds[15], kIdcSaleTax, kIdcSaleTotal}),
              "0 0 1 0.00 0.00   ");

    values_.taxSetting.stateCode = u"...";
    page.ShowStateCode();
    const std::u16string setTaxFirst = u"Set your local sales tax firstly.";
    script_.ExpectMessage(setTaxFirst).ExpectMessage(setTaxFirst).ExpectMessage(setTaxFirst);
    Click(page, kIdcSaleCalc);
    Click(page, kIdcWithTax);  // unticks it, and it stays so
    Click(page, kIdcWithTax);  // a tick is taken back at once
    EXPECT_EQ(TaxControls(page) + Shown(page, kIdcSaleTotal), "... food");

    values_.taxSetting.stateCode = u"WY";  // as another window's Tax Setup may leave it
    script_.ExpectDialog(kIddTaxSetup, testing::CloseWithCaptionOk);
    Click(page, kIdcStateButton);
    EXPECT_EQ(TaxControls(page), "WY tax food");
    Click(page, kIdcWithTax);
    values_.taxSetting.stateCode = u"...";
    script_.ExpectDialog(kIddTaxSetup, testing::CloseWithCaptionOk);
    Click(page, kIdcStateButton);
    EXPECT_EQ(TaxControls(page), "... -");
  });
}

// A damaged tax file's empty code shows as "...", and counts as no state
// everywhere: Tax Setup closed unsaved turns nothing on, and Calc adds no tax.
TEST_F(CalculatorPagesTest, AnEmptyStateCodeCountsAsNoneChosen) {
  values_.taxSetting.stateCode = u"";
  WithPage<CDialogTab2>([&](CDialogTab2& page) {
    page.ResetRows();
    script_.ExpectDialog(kIddTaxSetup, testing::CloseWithCaptionOk);
    Click(page, kIdcStateButton);
    EXPECT_EQ(TaxControls(page), "... -");
    TypeInto(page, kSalePriceIds[0], u"5");
    Click(page, kIdcSaleCalc);
    EXPECT_EQ(Shown(page, kIdcSaleTotal), "5.00");
  });
}

// Saving a state turns tax on. The landscape page has no room for 85% and 90%
// off. With Texas' 6.25% every result comes to whole cents.
TEST_F(CalculatorPagesTest, DiscountCalcShowsThePriceWithTaxAtEachDiscount) {
  values_.taxSetting.stateCode = u"...";
  const auto check = [&](CDialogTab1& page, bool landscape) {
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      testing::ChooseEntry(setup, kIdcStateList, u"TX");
      script_.ExpectMessage(u"Sales tax setting is saved successfully.");
      Click(setup, kIdcSetAndSave);
    });
    Click(page, kIdcStateButton);
    EXPECT_EQ(TaxControls(page), "TX tax");
    TypeInto(page, kIdcDiscountPrice, u"400");
    TypeInto(page, kIdcDiscountCustomPercent, u"20");
    Click(page, kIdcDiscountCalc);
    EXPECT_EQ(Shown(page, {kIdcDiscountPriceWithTax, kDiscountBoxIds[0], kDiscountBoxIds[15],
                           kIdcDiscountCustomResult}),
              "425.00 403.75 85.00 340.00 ");
    EXPECT_EQ(page.HasItem(kDiscountBoxIds[16]) ? Shown(page, kDiscountBoxIds[17]) : "-",
              landscape ? "-" : "42.50");
    for (const auto& [price, percent] :
         {std::pair{u"1e309", u"20"}, std::pair{u"1e307", u"9999"}}) {
      TypeInto(page, kIdcDiscountPrice, price);  // past a double taxed, or at the discount
      TypeInto(page, kIdcDiscountCustomPercent, percent);
      script_.ExpectMessage(u"The amount is too large.");
      Click(page, kIdcDiscountCalc);
    }
    EXPECT_EQ(Shown(page, {kIdcDiscountPriceWithTax, kIdcDiscountCustomResult}), "425.00 340.00 ");
  };
  WithPage<CDialogTab1>([&](CDialogTab1& page) { check(page, false); });
  WithPage<CDialogTab1L>([&](CDialogTab1& page) { check(page, true); });
}

// Tax Setup, as the state button of either calculator page opens it.
class TaxSetupTest : public testing::ProgramTest {
 protected:
  // Runs Tax Setup over a customised 8.25% in the file; true when it ends with OK.
  bool Run(const std::function<void(Dialog&)>& actions) {
    StoreTaxFile(testing::kTaxFileCustom825);
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
  EXPECT_EQ(StoredFile(), testing::kTaxFileCustom825);
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
      EXPECT_EQ(StoredFile(), testing::kTaxFileCustom825);
    }
    script_.ExpectMessage(u"Sales tax setting is saved successfully.");
    Click(dialog, kIdcSetAndSave);
  }));
  EXPECT_EQ(Setting(), "S. 12.34");
  EXPECT_EQ(StoredFile(), std::string("S...1\0002\0.\0003\0004\0", 14));
}

}  // namespace
}  // namespace tallyfox
