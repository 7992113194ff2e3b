#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>
#include <string>
#include <vector>

#include "calc/discount_page.h"
#include "calc/page_host.h"
#include "common/text.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::Click;
using testing::TypeInto;

// The box of the fixed discount `percent` (5 to 90).
int BoxFor(int percent) { return kDiscountBoxIds[percent / 5 - 1]; }

std::size_t BoxCount(bool landscape) {
  return landscape ? kDiscountBoxCountLandscape : kDiscountBoxIds.size();
}

std::vector<int> ResultIds(bool landscape) {
  std::vector<int> ids(kDiscountBoxIds.begin(), kDiscountBoxIds.begin() + BoxCount(landscape));
  ids.push_back(kIdcDiscountPriceWithTax);
  ids.push_back(kIdcDiscountCustomResult);
  return ids;
}

class DiscountPageTest : public ::testing::TestWithParam<bool> {
 protected:
  DiscountPageTest() { values_.appFolder = folder_.path(); }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  bool Landscape() const { return GetParam(); }

  void WithPage(const std::function<void(CDialogTab1&)>& actions) {
    std::unique_ptr<CDialogTab1> page;
    if (Landscape()) {
      page = std::make_unique<CDialogTab1L>(values_);
    } else {
      page = std::make_unique<CDialogTab1>(values_);
    }
    testing::RunHosted(script_, *page, [&] { actions(*page); });
  }

  // Everything the page shows in its boxes, to tell whether anything changed.
  std::vector<std::u16string> AllBoxes(const Dialog& page) const {
    std::vector<std::u16string> all;
    for (int id : ResultIds(Landscape())) all.push_back(page.ItemText(id));
    all.push_back(page.ItemText(kIdcDiscountPrice));
    all.push_back(page.ItemText(kIdcDiscountCustomPercent));
    return all;
  }

  testing::TempFolder folder_;
  ProgramValues values_;
  UiScript script_;
};

INSTANTIATE_TEST_SUITE_P(PageSets, DiscountPageTest, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) {
                           return info.param ? "Landscape" : "Portrait";
                         });

TEST_P(DiscountPageTest, StartsEmptyWithEighteenOrSixteenDiscounts) {
  WithPage([&](CDialogTab1& page) {
    for (int id : ResultIds(Landscape())) EXPECT_EQ(page.ItemText(id), u"") << id;
    for (std::size_t i = BoxCount(Landscape()); i < kDiscountBoxIds.size(); ++i) {
      EXPECT_FALSE(page.HasItem(kDiscountBoxIds[i])) << kDiscountBoxIds[i];
    }
    auto* price = static_cast<QLineEdit*>(page.Item(kIdcDiscountPrice).widget());
    EXPECT_EQ(price->window()->focusWidget(), price);
  });
}

TEST_P(DiscountPageTest, CalcShowsThePriceWithTaxAtEveryDiscount) {
  const struct {
    const char* name;
    std::u16string stateCode;
    std::u16string customRateText;
    bool withTax;
    bool food;
    std::u16string_view price;
    std::u16string_view customPercent;
    std::u16string priceWithTax;
    std::vector<std::pair<int, std::u16string>> fixed;  // percent off, shown price
    std::u16string custom;
  } cases[] = {
      {"CA",
       u"CA",
       u"0",
       true,
       false,
       u"100",
       u"20",
       u"107.25",
       {{5, u"101.89"}, {25, u"80.44"}, {45, u"58.99"}, {80, u"21.45"}},
       u"85.80"},
      {"customised rate, food or not",
       u"S.",
       u"8.25",
       true,
       true,
       u"20",
       u"0",
       u"21.65",
       {},
       u"21.65"},
      {"more than all off", u"TN", u"0", true, true, u"50", u"120", u"52.75", {}, u"-10.55"},
      {"without tax",
       u"CA",
       u"0",
       false,
       false,
       u"19.99",
       u"",
       u"19.99",
       {{5, u"18.99"}, {55, u"9.00"}, {90, u"2.00"}},
       u""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    values_.taxSetting = {c.stateCode, c.customRateText};
    WithPage([&](CDialogTab1& page) {
      TypeInto(page, kIdcDiscountPrice, c.price);
      TypeInto(page, kIdcDiscountCustomPercent, c.customPercent);
      if (c.withTax) Click(page, kIdcWithTax);
      if (c.food) Click(page, kIdcFood);
      Click(page, kIdcDiscountCalc);
      EXPECT_EQ(page.ItemText(kIdcDiscountPriceWithTax), c.priceWithTax);
      for (const auto& [percent, shown] : c.fixed) {
        SCOPED_TRACE(percent);
        if (page.HasItem(BoxFor(percent))) {
          EXPECT_EQ(page.ItemText(BoxFor(percent)), shown);
        }
      }
      EXPECT_EQ(page.ItemText(kIdcDiscountCustomResult), c.custom);
    });
  }
}

TEST_P(DiscountPageTest, APriceThatIsNoNumberCountsAsZero) {
  values_.taxSetting.stateCode = u"CA";
  for (std::u16string_view price : {u"", u"abc"}) {
    SCOPED_TRACE(ToUtf8(price));
    WithPage([&](CDialogTab1& page) {
      TypeInto(page, kIdcDiscountPrice, price);
      TypeInto(page, kIdcDiscountCustomPercent, u"30");
      Click(page, kIdcWithTax);
      Click(page, kIdcDiscountCalc);
      for (int id : ResultIds(Landscape())) EXPECT_EQ(page.ItemText(id), u"0.00") << id;
    });
  }
}

TEST_P(DiscountPageTest, EmptyingTheCustomPercentEmptiesItsResult) {
  WithPage([](CDialogTab1& page) {
    TypeInto(page, kIdcDiscountPrice, u"10");
    TypeInto(page, kIdcDiscountCustomPercent, u"50");
    Click(page, kIdcDiscountCalc);
    EXPECT_EQ(page.ItemText(kIdcDiscountCustomResult), u"5.00");
    TypeInto(page, kIdcDiscountCustomPercent, u"");
    Click(page, kIdcDiscountCalc);
    EXPECT_EQ(page.ItemText(kIdcDiscountCustomResult), u"");
  });
}

TEST_P(DiscountPageTest, TaxWithoutAStateComputesNothing) {
  values_.taxSetting.stateCode = u"CA";
  WithPage([&](CDialogTab1& page) {
    TypeInto(page, kIdcDiscountPrice, u"100");
    Click(page, kIdcWithTax);
    Click(page, kIdcDiscountCalc);
    values_.taxSetting.stateCode = u"...";
    page.ShowStateCode();
    TypeInto(page, kIdcDiscountPrice, u"50");
    const std::vector<std::u16string> before = AllBoxes(page);

    script_.ExpectMessage(u"Set your local sales tax firstly.");
    Click(page, kIdcDiscountCalc);
    EXPECT_EQ(AllBoxes(page), before);
  });
}

}  // namespace
}  // namespace tallyfox
