#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>
#include <string>
#include <vector>

#include "calc/page_host.h"
#include "calc/sale_page.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::Click;
using testing::TypeInto;

constexpr std::u16string_view kSetTaxFirst = u"Set your local sales tax firstly.";

struct RowInput {
  std::u16string_view price;
  std::u16string_view percent;
  std::u16string_view qty;
};

void TypeRows(const Dialog& page, const std::vector<RowInput>& rows) {
  for (std::size_t row = 0; row < rows.size(); ++row) {
    TypeInto(page, kSalePriceIds[row], rows[row].price);
    TypeInto(page, kSalePercentIds[row], rows[row].percent);
    TypeInto(page, kSaleQtyIds[row], rows[row].qty);
  }
}

std::vector<std::u16string> Column(const Dialog& page, const std::array<int, 16>& ids) {
  std::vector<std::u16string> texts;
  for (int id : ids) texts.push_back(page.ItemText(id));
  return texts;
}

// Everything the page shows in its boxes, to tell whether anything changed.
std::vector<std::u16string> AllBoxes(const Dialog& page) {
  std::vector<std::u16string> all;
  for (const auto* ids : {&kSalePriceIds, &kSalePercentIds, &kSaleQtyIds, &kSaleResultIds}) {
    for (std::u16string& text : Column(page, *ids)) all.push_back(std::move(text));
  }
  all.push_back(page.ItemText(kIdcSaleTax));
  all.push_back(page.ItemText(kIdcSaleTotal));
  return all;
}

// Rows 1 and 2 of the usual basket; the others stay as reset.
std::vector<std::u16string> ResultsOf(std::u16string first, std::u16string second) {
  std::vector<std::u16string> results(kSaleResultIds.size(), u"0.00");
  results[0] = std::move(first);
  results[1] = std::move(second);
  return results;
}

class SalePageTest : public ::testing::TestWithParam<bool> {
 protected:
  SalePageTest() {
    values_.appFolder = folder_.path();
    values_.taxSetting.stateCode = u"CA";
  }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  // The page of the set under test, its rows reset as the shell does at start.
  void WithPage(const std::function<void(CDialogTab2&)>& actions) {
    std::unique_ptr<CDialogTab2> page;
    if (GetParam()) {
      page = std::make_unique<CDialogTab2L>(values_);
    } else {
      page = std::make_unique<CDialogTab2>(values_);
    }
    testing::RunHosted(script_, *page, [&] {
      page->ResetRows();
      actions(*page);
    });
  }

  testing::TempFolder folder_;
  ProgramValues values_;
  UiScript script_;
};

INSTANTIATE_TEST_SUITE_P(PageSets, SalePageTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Landscape" : "Portrait";
                         });

TEST_P(SalePageTest, StartsWithRowsResetAndTheFirstPriceFocused) {
  WithPage([](CDialogTab2& page) {
    EXPECT_EQ(Column(page, kSalePriceIds), std::vector<std::u16string>(16, u"0"));
    EXPECT_EQ(Column(page, kSalePercentIds), std::vector<std::u16string>(16, u"0"));
    EXPECT_EQ(Column(page, kSaleQtyIds), std::vector<std::u16string>(16, u"1"));
    EXPECT_EQ(Column(page, kSaleResultIds), std::vector<std::u16string>(16, u"0.00"));
    EXPECT_TRUE(page.ItemText(kIdcSaleTax).empty());
    EXPECT_TRUE(page.ItemText(kIdcSaleTotal).empty());
    auto* price = static_cast<QLineEdit*>(page.Item(kIdcSaleFirstPrice).widget());
    EXPECT_EQ(price->window()->focusWidget(), price);
  });
}

TEST_P(SalePageTest, CalcAddsTheAmountsAsShown) {
  const std::vector<RowInput> basket = {{u"12", u"0", u"1"}, {u"11", u"5", u"2"}};
  const struct {
    const char* name;
    std::vector<RowInput> rows;
    bool withTax;
    bool food;
    std::vector<std::u16string> results;
    std::u16string tax;
    std::u16string total;
  } cases[] = {
      // The row taxes 0.87 and 1.51525 are added as 0.87 and 1.52.
      {"CA", basket, true, false, ResultsOf(u"12.00", u"20.90"), u"2.39", u"35.29"},
      {"without tax", basket, false, false, ResultsOf(u"12.00", u"20.90"), u"0.00", u"32.90"},
      {"food in CA", basket, true, true, ResultsOf(u"12.00", u"20.90"), u"0.00", u"32.90"},
      {"10% off 3 at 1.10",
       {{u"1.10", u"10", u"3"}},
       false,
       false,
       ResultsOf(u"2.97", u"0.00"),
       u"0.00",
       u"2.97"},
      {"more than all off",
       {{u"10", u"150", u"1"}},
       true,
       false,
       ResultsOf(u"-5.00", u"0.00"),
       u"-0.36",
       u"-5.36"},
      {"empty and wordy boxes",
       {{u"5", u"", u""}, {u"12abc", u"", u"1"}},
       false,
       false,
       ResultsOf(u"0.00", u"12.00"),
       u"0.00",
       u"12.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WithPage([&](CDialogTab2& page) {
      TypeRows(page, c.rows);
      if (c.withTax) Click(page, kIdcWithTax);
      if (c.food) Click(page, kIdcFood);
      Click(page, kIdcSaleCalc);
      EXPECT_EQ(Column(page, kSaleResultIds), c.results);
      EXPECT_EQ(page.ItemText(kIdcSaleTax), c.tax);
      EXPECT_EQ(page.ItemText(kIdcSaleTotal), c.total);
    });
  }
}

// Each 0.006 shows as 0.01; the exact sum, 0.096, would show 0.10.
TEST_P(SalePageTest, TheTotalIsTheSumOfTheShownAmounts) {
  WithPage([](CDialogTab2& page) {
    TypeRows(page, std::vector<RowInput>(16, {u"0.006", u"0", u"1"}));
    Click(page, kIdcSaleCalc);
    EXPECT_EQ(Column(page, kSaleResultIds), std::vector<std::u16string>(16, u"0.01"));
    EXPECT_EQ(page.ItemText(kIdcSaleTotal), u"0.16");
    EXPECT_EQ(page.ItemText(kIdcSaleTax), u"0.00");
  });
}

// The shell puts the state code in force on the button when the tab is
// selected; "With tax" stays ticked even when that code is "...".
TEST_P(SalePageTest, TaxWithoutAStateComputesNothing) {
  WithPage([&](CDialogTab2& page) {
    TypeRows(page, {{u"12", u"0", u"1"}});
    Click(page, kIdcWithTax);
    Click(page, kIdcSaleCalc);
    values_.taxSetting.stateCode = u"...";
    page.ShowStateCode();
    TypeRows(page, {{u"40", u"10", u"2"}});
    const std::vector<std::u16string> before = AllBoxes(page);

    script_.ExpectMessage(std::u16string(kSetTaxFirst));
    Click(page, kIdcSaleCalc);
    EXPECT_EQ(AllBoxes(page), before);
  });
}

TEST_P(SalePageTest, ClearResetsTheRowsAndEmptiesTheSums) {
  WithPage([](CDialogTab2& page) {
    TypeRows(page, {{u"12", u"0", u"1"}, {u"11", u"5", u"2"}});
    Click(page, kIdcWithTax);
    Click(page, kIdcFood);
    Click(page, kIdcSaleCalc);
    Click(page, kIdcSaleClear);
    EXPECT_EQ(Column(page, kSalePriceIds), std::vector<std::u16string>(16, u"0"));
    EXPECT_EQ(Column(page, kSalePercentIds), std::vector<std::u16string>(16, u"0"));
    EXPECT_EQ(Column(page, kSaleQtyIds), std::vector<std::u16string>(16, u"1"));
    EXPECT_EQ(Column(page, kSaleResultIds), std::vector<std::u16string>(16, u"0.00"));
    EXPECT_TRUE(page.ItemText(kIdcSaleTax).empty());
    EXPECT_TRUE(page.ItemText(kIdcSaleTotal).empty());
    EXPECT_TRUE(page.CheckBoxItem(kIdcWithTax).IsChecked());
    EXPECT_TRUE(page.CheckBoxItem(kIdcFood).IsChecked());
  });
}

}  // namespace
}  // namespace tallyfox
