#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "../common/test_files.h"
#include "calc/discount_page.h"
#include "calc/page_host.h"
#include "calc/sale_page.h"
#include "common/text.h"
#include "res/tax_setup_ids.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using namespace std::string_literals;
using testing::Click;
using testing::CloseWithCaptionOk;

constexpr std::u16string_view kSetTaxFirst = u"Set your local sales tax firstly.";
constexpr std::u16string_view kSaved = u"Sales tax setting is saved successfully.";

// Every page that carries the tax controls, in both page sets.
struct PageKind {
  const char* name;
  std::function<std::unique_ptr<CalculatorPage>(ProgramValues&)> make;
};

template <class Page>
PageKind Kind(const char* name) {
  return {name, [](ProgramValues& values) { return std::make_unique<Page>(values); }};
}

class TaxControlsTest : public ::testing::TestWithParam<PageKind> {
 protected:
  TaxControlsTest() {
    values_.appFolder = folder_.path();
    values_.taxSetting.stateCode = u"CA";
  }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  void WithPage(const std::function<void(CalculatorPage&)>& actions) {
    std::unique_ptr<CalculatorPage> page = GetParam().make(values_);
    testing::RunHosted(script_, *page, [&] { actions(*page); });
  }

  testing::TempFolder folder_;
  ProgramValues values_;
  UiScript script_;
};

INSTANTIATE_TEST_SUITE_P(Pages, TaxControlsTest,
                         ::testing::Values(Kind<CDialogTab2>("Sale"), Kind<CDialogTab2L>("SaleL"),
                                           Kind<CDialogTab1>("Discount"),
                                           Kind<CDialogTab1L>("DiscountL")),
                         [](const ::testing::TestParamInfo<PageKind>& info) {
                           return info.param.name;
                         });

struct TaxControls {
  std::u16string state;
  bool withTax;
  bool food;
  bool foodEnabled;
};

void ExpectControls(const Dialog& page, const TaxControls& expected) {
  EXPECT_EQ(page.ItemText(kIdcStateButton), expected.state);
  EXPECT_EQ(page.CheckBoxItem(kIdcWithTax).IsChecked(), expected.withTax);
  EXPECT_EQ(page.CheckBoxItem(kIdcFood).IsChecked(), expected.food);
  EXPECT_EQ(page.Item(kIdcFood).IsEnabled(), expected.foodEnabled);
}

TEST_P(TaxControlsTest, StartClearWithTheStateCodeInForce) {
  for (std::u16string_view code : {u"CA", u"...", u"S."}) {
    SCOPED_TRACE(ToUtf8(code));
    values_.taxSetting.stateCode = code;
    WithPage([&](CalculatorPage& page) {
      ExpectControls(page, {values_.taxSetting.stateCode, false, false, false});
    });
  }
}

TEST_P(TaxControlsTest, WithTaxEnablesFoodAndTakesItAway) {
  WithPage([](CalculatorPage& page) {
    Click(page, kIdcWithTax);
    ExpectControls(page, {u"CA", true, false, true});
    Click(page, kIdcFood);
    ExpectControls(page, {u"CA", true, true, true});
    Click(page, kIdcWithTax);
    ExpectControls(page, {u"CA", false, false, false});
  });
}

TEST_P(TaxControlsTest, WithTaxNeedsAState) {
  values_.taxSetting.stateCode = u"...";
  WithPage([&](CalculatorPage& page) {
    script_.ExpectMessage(std::u16string(kSetTaxFirst));
    Click(page, kIdcWithTax);
    ExpectControls(page, {u"...", false, false, false});
  });
}

// The button can show "..." while the boxes are ticked once the shell has
// refreshed it; "Food" then stays as it is.
TEST_P(TaxControlsTest, UntickingWithoutAStateLeavesFoodAlone) {
  WithPage([&](CalculatorPage& page) {
    Click(page, kIdcWithTax);
    Click(page, kIdcFood);
    values_.taxSetting.stateCode = u"...";
    page.ShowStateCode();
    script_.ExpectMessage(std::u16string(kSetTaxFirst));
    Click(page, kIdcWithTax);
    ExpectControls(page, {u"...", false, true, true});
  });
}

TEST_P(TaxControlsTest, SavingAStateShowsItAndTurnsTaxOn) {
  values_.taxSetting.stateCode = u"...";
  WithPage([&](CalculatorPage& page) {
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      script_.ExpectMessage(std::u16string(kSaved));
      Click(setup, kIdcSetAndSave);
    });
    Click(page, kIdcStateButton);
    ExpectControls(page, {u"AK", true, false, true});
  });
  EXPECT_EQ(values_.taxSetting.stateCode, u"AK");
  EXPECT_EQ(testing::ReadBytes(folder_.path() / "tax.ini"), "A\0K\0\0\0\0\0\0\0\0\0"s);
}

TEST_P(TaxControlsTest, FoodKeepsItsTickThroughANewState) {
  WithPage([&](CalculatorPage& page) {
    Click(page, kIdcWithTax);
    Click(page, kIdcFood);
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      Click(setup, kIdcCustomizeRate);
      testing::TypeInto(setup, kIdcRateField, u"8.25");
      script_.ExpectMessage(std::u16string(kSaved));
      Click(setup, kIdcSetAndSave);
    });
    Click(page, kIdcStateButton);
    ExpectControls(page, {u"S.", true, true, true});
  });
}

// Another window's Tax Setup may have changed the setting meanwhile: an OK
// shows it, a cancelled run leaves the page as it was.
TEST_P(TaxControlsTest, TheCaptionOkCountsAsOkAndEscapeChangesNothing) {
  const struct {
    const char* name;
    std::u16string changedTo;
    std::function<void(const Dialog&)> close;
    TaxControls after;
  } cases[] = {
      {"caption OK", u"TX", CloseWithCaptionOk, {u"TX", true, false, true}},
      {"caption OK without a state", u"...", CloseWithCaptionOk, {u"...", false, false, false}},
      {"Escape", u"TX", testing::PressEscape, {u"CA", false, false, false}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    values_.taxSetting.stateCode = u"CA";
    WithPage([&](CalculatorPage& page) {
      values_.taxSetting.stateCode = c.changedTo;
      script_.ExpectDialog(kIddTaxSetup, c.close);
      Click(page, kIdcStateButton);
      ExpectControls(page, c.after);
    });
  }
}

}  // namespace
}  // namespace tallyfox
