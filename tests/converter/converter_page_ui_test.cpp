#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "app/main_window.h"
#include "common/text.h"
#include "converter/converter_page.h"
#include "platform/test_seam.h"
#include "res/main_ids.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::ChooseEntry;
using testing::Click;
using testing::ReadBytes;
using testing::TypeInto;

constexpr int kConverterTab = 3;
constexpr int kUsd = 0;
constexpr int kEur = 1;

struct PageSet {
  const char* name;
  ScreenGeometry screen;
  bool landscape;
};

void PrintTo(const PageSet& set, std::ostream* out) { *out << set.name; }

const PageSet kPortraitSet{"portrait", {480, 640, 0}, false};
const PageSet kLandscapeSet{"landscape", {640, 480, 90}, true};

std::filesystem::path InstalledRateFile() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "src" / "res" /
         "exrate.dat";
}

std::string RateFileBytes(const std::vector<std::u16string>& lines) {
  std::u16string text = u"\uFEFF\n";
  for (const std::u16string& line : lines) text += line + u"\n";
  return testing::Utf16Le(text);
}

std::string Text(const Dialog& page, int id) { return ToUtf8(page.ItemText(id)); }

std::vector<std::string> Entries(const Dialog& page, int id) {
  const DropDownList& list = page.DropDownItem(id);
  std::vector<std::string> entries;
  for (int i = 0; i < list.Count(); ++i) entries.push_back(ToUtf8(list.TextAt(i)));
  return entries;
}

std::string Selected(const Dialog& page, int id) {
  const DropDownList& list = page.DropDownItem(id);
  return ToUtf8(list.TextAt(list.CurSel()));
}

// The ids of the controls that show, among those the category decides on.
std::vector<int> VisibleFields(const Dialog& page) {
  std::vector<int> visible;
  for (const int id : {kIdcFromUnitList, kIdcToUnitList, kIdcValueField, kIdcResultField,
                       kIdcShoeTable, kIdcSetRate, kIdcExchangeRateLabel, kIdcExchangeRateField}) {
    if (page.Item(id).IsVisible()) visible.push_back(id);
  }
  return visible;
}

const std::vector<int> kCurrencyFields = {
    kIdcFromUnitList, kIdcToUnitList,        kIdcValueField,       kIdcResultField,
    kIdcSetRate,      kIdcExchangeRateLabel, kIdcExchangeRateField};
const std::vector<int> kUnitFields = {kIdcFromUnitList, kIdcToUnitList, kIdcValueField,
                                      kIdcResultField};

void ChooseCategory(const Dialog& page, ConverterCategory category) {
  ChooseEntry(page, kIdcCategoryList, static_cast<int>(category));
}

class ConverterPageTest : public ::testing::TestWithParam<PageSet> {
 protected:
  void SetUp() override {
    script_.SetModulePath(folder_.path() / "tallyfox");
    folder_.WriteBytes("tax.ini", {0x43, 0x00, 0x41, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
  }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  std::filesystem::path RatePath() const { return folder_.path() / "exrate.dat"; }
  void InstallRates() const { std::filesystem::copy_file(InstalledRateFile(), RatePath()); }
  void WriteRates(const std::vector<std::u16string>& lines) const {
    testing::WriteBytes(RatePath(), RateFileBytes(lines));
  }

  // Starts the program on the page set's screen and acts on its Converter
  // page, which the user has just brought up.
  void RunPage(const std::function<void(CDialogTab5&)>& actions) {
    script_.SetScreen(GetParam().screen);
    CTallyfoxDlg window;
    script_.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
      testing::SelectTab(window, kIdcTabControl, kConverterTab);
      auto& page = static_cast<CDialogTab5&>(window.PageAt(kConverterTab));
      EXPECT_EQ(page.templateNumber(),
                GetParam().landscape ? kIddConverterLandscape : kIddConverterPortrait);
      EXPECT_TRUE(page.IsWindowVisible());
      actions(page);
      if (!window.HasEnded()) testing::CloseWithCaptionOk(window);
    });
    window.DoModal();
  }

  testing::TempFolder folder_;
  UiScript script_;
};

TEST_P(ConverterPageTest, StartsOnCurrencyWithTheStartupList) {
  InstallRates();
  RunPage([](CDialogTab5& page) {
    EXPECT_EQ(
        Entries(page, kIdcCategoryList),
        std::vector<std::string>({"Currency", "Weight", "length", "Area", "Volume", "Temperature",
                                  "Men's Shoes", "Women's Shoes", "Children's Shoes"}));
    EXPECT_EQ(Selected(page, kIdcCategoryList), "Currency");
    EXPECT_EQ(Selected(page, kIdcFromUnitList), "US Dollar(USD)");
    EXPECT_EQ(Selected(page, kIdcToUnitList), "US Dollar(USD)");
    EXPECT_EQ(Text(page, kIdcValueField), "100");
    EXPECT_EQ(Text(page, kIdcResultField), "100.00");
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "1.00");
    EXPECT_FALSE(page.Item(kIdcExchangeRateField).IsEnabled());
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());
    EXPECT_EQ(VisibleFields(page), kCurrencyFields);
    const std::vector<std::string> entries = Entries(page, kIdcFromUnitList);
    ASSERT_EQ(entries.size(), 24u);
    EXPECT_EQ(entries[9], "France Franc(FRF)");
    EXPECT_EQ(Entries(page, kIdcToUnitList), entries);
  });
}

TEST_P(ConverterPageTest, ChoosingCurrencyAgainShowsTheRefillList) {
  InstallRates();
  RunPage([](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, kEur);
    TypeInto(page, kIdcValueField, u"7");
    ChooseCategory(page, ConverterCategory::Weight);
    ChooseCategory(page, ConverterCategory::Currency);
    const std::vector<std::string> entries = Entries(page, kIdcFromUnitList);
    ASSERT_EQ(entries.size(), 22u);
    EXPECT_EQ(entries[9], "Hong Kong Dollar(HKD)");
    EXPECT_EQ(entries[21], "Swiss Franc(CHF)");
    EXPECT_EQ(Entries(page, kIdcToUnitList), entries);
    EXPECT_EQ(Selected(page, kIdcFromUnitList), "US Dollar(USD)");
    EXPECT_EQ(Selected(page, kIdcToUnitList), "US Dollar(USD)");
    EXPECT_EQ(Text(page, kIdcValueField), "100");
    EXPECT_EQ(Text(page, kIdcResultField), "100.00");
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "1");
    EXPECT_EQ(VisibleFields(page), kCurrencyFields);
    // Both lists are on one currency, whose rate is not the user's to set.
    EXPECT_FALSE(page.Item(kIdcExchangeRateField).IsEnabled());
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());
  });
}

TEST_P(ConverterPageTest, EachCurrencyHasItsOwnRateInBothLists) {
  InstallRates();
  RunPage([](CDialogTab5& page) {
    const struct {
      const char* name;
      int startupIndex;
      int refillIndex;
      const char* rate;
    } currencies[] = {
        {"HKD", 11, 9, "7.8074"},
        {"HUF", 12, 10, "368.7"},
        {"CHF", 23, 21, "0.8986"},
        {"CAD", 5, 5, "1.368"},
    };
    for (const auto& c : currencies) {
      SCOPED_TRACE(c.name);
      ChooseEntry(page, kIdcToUnitList, c.startupIndex);
      EXPECT_EQ(Text(page, kIdcExchangeRateField), c.rate);
    }
    ChooseEntry(page, kIdcToUnitList, 9);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "6.1227");  // the franc

    ChooseCategory(page, ConverterCategory::Length);
    ChooseCategory(page, ConverterCategory::Currency);
    for (const auto& c : currencies) {
      SCOPED_TRACE(c.name);
      ChooseEntry(page, kIdcToUnitList, c.refillIndex);
      EXPECT_EQ(Selected(page, kIdcToUnitList).find(c.name) != std::string::npos, true);
      EXPECT_EQ(Text(page, kIdcExchangeRateField), c.rate);
    }
    // And as the source: Hong Kong dollars to US dollars.
    ChooseEntry(page, kIdcToUnitList, kUsd);
    ChooseEntry(page, kIdcFromUnitList, 9);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0.128084");
    EXPECT_EQ(Text(page, kIdcResultField), "12.81");
  });
}

TEST_P(ConverterPageTest, SetStoresTheRateAndItsReverse) {
  WriteRates({u"0  0  1  ", u"0  1  0.9334  ", u"1  0  1.0713  ", u"1  1  1  "});
  RunPage([this](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, kEur);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0.9334");
    EXPECT_EQ(Text(page, kIdcResultField), "93.34");
    EXPECT_TRUE(page.Item(kIdcExchangeRateField).IsEnabled());
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());

    TypeInto(page, kIdcExchangeRateField, u"0.8");
    EXPECT_TRUE(page.Item(kIdcSetRate).IsEnabled());
    Click(page, kIdcSetRate);
    EXPECT_EQ(ReadBytes(RatePath()),
              RateFileBytes({u"0  0  1  ", u"0  1  0.8  ", u"1  0  1.2500  ", u"1  1  1  "}));
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "temp.csv"));
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0.8");
    EXPECT_EQ(Text(page, kIdcResultField), "80.00");
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());

    ChooseEntry(page, kIdcFromUnitList, kEur);
    ChooseEntry(page, kIdcToUnitList, kUsd);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "1.25");
    EXPECT_EQ(Text(page, kIdcResultField), "125.00");

    TypeInto(page, kIdcExchangeRateField, u"0.1234567");
    Click(page, kIdcSetRate);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0.123457");
    EXPECT_EQ(Text(page, kIdcResultField), "12.35");
  });
}

TEST_P(ConverterPageTest, SetRefusesARateThatWouldNotReadBack) {
  InstallRates();
  const std::string before = ReadBytes(RatePath());
  RunPage([&](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, kEur);
    for (const std::u16string_view rate : {u"abc", u"0", u"0.00001", u"1234567890"}) {
      SCOPED_TRACE(ToUtf8(rate));
      TypeInto(page, kIdcExchangeRateField, rate);
      script_.ExpectMessage(std::u16string(kUnstorableRateMessage));
      Click(page, kIdcSetRate);
      EXPECT_EQ(ReadBytes(RatePath()), before);
      EXPECT_EQ(Text(page, kIdcExchangeRateField), ToUtf8(rate));
      EXPECT_TRUE(page.Item(kIdcSetRate).IsEnabled());
    }
  });
}

TEST_P(ConverterPageTest, AMissingRateFileIsReportedAtEachConversion) {
  RunPage([this](CDialogTab5& page) {
    script_.ExpectMessage(u"Failed to open exchange rate file.");
    ChooseEntry(page, kIdcToUnitList, kEur);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0");
    EXPECT_EQ(Text(page, kIdcResultField), "0.00");

    script_.ExpectMessage(u"Failed to open exchange rate file.");
    script_.ExpectMessage(u"Failed to open exchange rate file.");
    TypeInto(page, kIdcValueField, u"50");
    EXPECT_EQ(Text(page, kIdcResultField), "0.00");

    TypeInto(page, kIdcExchangeRateField, u"0.8");
    script_.ExpectMessage(u"Failed to open rate file.");
    Click(page, kIdcSetRate);
    EXPECT_TRUE(page.Item(kIdcSetRate).IsEnabled());
    EXPECT_FALSE(std::filesystem::exists(RatePath()));
  });
}

TEST_P(ConverterPageTest, APairWithoutALineShowsNoRateUntilOneIsSet) {
  WriteRates({u"0  0  1  ", u"0  1  0.9334  ", u"1  0  1.0713  "});
  RunPage([this](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, 2);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "0");
    EXPECT_EQ(Text(page, kIdcResultField), "0.00");
    EXPECT_TRUE(page.Item(kIdcExchangeRateField).IsEnabled());

    TypeInto(page, kIdcExchangeRateField, u"1.5");
    Click(page, kIdcSetRate);
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "1.5");
    EXPECT_EQ(Text(page, kIdcResultField), "150.00");
    EXPECT_EQ(ReadBytes(RatePath()),
              RateFileBytes({u"0  0  1  ", u"0  1  0.9334  ", u"1  0  1.0713  ", u"0  2  1.5  ",
                             u"2  0  0.6667  "}));
  });
}

TEST_P(ConverterPageTest, TheRateFieldFollowsTheTwoCurrencies) {
  InstallRates();
  RunPage([](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, kEur);
    EXPECT_TRUE(page.Item(kIdcExchangeRateField).IsEnabled());
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());
    TypeInto(page, kIdcExchangeRateField, u"0.9");
    EXPECT_TRUE(page.Item(kIdcSetRate).IsEnabled());
    ChooseEntry(page, kIdcToUnitList, kUsd);
    EXPECT_FALSE(page.Item(kIdcExchangeRateField).IsEnabled());
    EXPECT_FALSE(page.Item(kIdcSetRate).IsEnabled());
    EXPECT_EQ(Text(page, kIdcExchangeRateField), "1");
  });
}

TEST_P(ConverterPageTest, UnitCategoriesConvertOnEveryChange) {
  RunPage([](CDialogTab5& page) {
    ChooseCategory(page, ConverterCategory::Temperature);
    EXPECT_EQ(VisibleFields(page), kUnitFields);
    EXPECT_EQ(Text(page, kIdcValueField), "1");
    EXPECT_EQ(Text(page, kIdcResultField), "1.00");
    EXPECT_EQ(Entries(page, kIdcFromUnitList).size(), 5u);
    EXPECT_EQ(Selected(page, kIdcFromUnitList), "Celsius(C)");
    EXPECT_EQ(Selected(page, kIdcToUnitList), "Celsius(C)");
    ChooseEntry(page, kIdcToUnitList, u"Fahrenheit(F)");
    EXPECT_EQ(Text(page, kIdcResultField), "33.80");
    TypeInto(page, kIdcValueField, u"100");
    EXPECT_EQ(Text(page, kIdcResultField), "212.00");

    ChooseCategory(page, ConverterCategory::Weight);
    EXPECT_EQ(VisibleFields(page), kUnitFields);
    EXPECT_EQ(Text(page, kIdcValueField), "1");
    EXPECT_EQ(Text(page, kIdcResultField), "1");
    EXPECT_EQ(Selected(page, kIdcToUnitList), "gram(g)");
    ChooseEntry(page, kIdcFromUnitList, u"kilogram(kg)");
    EXPECT_EQ(Text(page, kIdcResultField), "1000");
    TypeInto(page, kIdcValueField, u"abc");
    EXPECT_EQ(Text(page, kIdcResultField), "0");

    ChooseCategory(page, ConverterCategory::Volume);
    EXPECT_EQ(Entries(page, kIdcToUnitList).size(), 20u);
    EXPECT_EQ(Entries(page, kIdcToUnitList)[8], "foot\u00B3(ft\u00B3/)");
    ChooseEntry(page, kIdcFromUnitList, u"gallon");
    ChooseEntry(page, kIdcToUnitList, u"quart");
    EXPECT_EQ(Text(page, kIdcResultField), "4");
  });
}

TEST_P(ConverterPageTest, TypingInsideTheValueKeepsTheCaretWhereItIs) {
  RunPage([](CDialogTab5& page) {
    ChooseCategory(page, ConverterCategory::Length);
    TypeInto(page, kIdcValueField, u"100");
    auto* edit = static_cast<QLineEdit*>(page.Item(kIdcValueField).widget());
    edit->setCursorPosition(1);
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(Text(page, kIdcValueField), "1500");
    EXPECT_EQ(Text(page, kIdcResultField), "1500");
    EXPECT_EQ(edit->cursorPosition(), 2);
  });
}

TEST_P(ConverterPageTest, ShoeCategoriesShowOnlyTheirTable) {
  InstallRates();
  const bool landscape = GetParam().landscape;
  RunPage([landscape](CDialogTab5& page) {
    ChooseEntry(page, kIdcToUnitList, kEur);
    const std::string value = Text(page, kIdcValueField);
    const std::string result = Text(page, kIdcResultField);
    const std::string rate = Text(page, kIdcExchangeRateField);
    const ListView& table = page.ListViewItem(kIdcShoeTable);
    EXPECT_FALSE(table.IsVisible());

    const struct {
      ConverterCategory category;
      int rows;
      std::vector<std::string> headings;
      std::vector<int> portraitWidths;
      std::vector<int> landscapeWidths;
      std::vector<std::string> lastRow;
    } tables[] = {
        {ConverterCategory::MensShoes,
         10,
         {"EUR", "US", "UK", "JAPAN", "CHINA"},
         {48, 34, 34, 44, 44},
         {62, 49, 49, 58, 58},
         {"45", "11.5", "10.5", "29", "45"}},
        {ConverterCategory::ChildrensShoes,
         16,
         {"EUR", "US", "UK", "LENGTH(cm)"},
         {45, 44, 44, 71},
         {64, 63, 63, 86},
         {"40", "7.5", "6.5", "267"}},
        {ConverterCategory::WomensShoes,
         13,
         {"EUR", "US", "UK", "JAPAN", "CHINA"},
         {48, 34, 34, 44, 44},
         {62, 49, 49, 58, 58},
         {"40", "10", "8", "27", ""}},
    };
    for (const auto& t : tables) {
      SCOPED_TRACE(static_cast<int>(t.category));
      ChooseCategory(page, t.category);
      EXPECT_EQ(VisibleFields(page), std::vector<int>{kIdcShoeTable});
      ASSERT_EQ(table.ColumnCount(), static_cast<int>(t.headings.size()));
      ASSERT_EQ(table.ItemCount(), t.rows);
      const std::vector<int>& widths = landscape ? t.landscapeWidths : t.portraitWidths;
      for (int column = 0; column < table.ColumnCount(); ++column) {
        EXPECT_EQ(ToUtf8(table.ColumnHeading(column)), t.headings[column]);
        EXPECT_EQ(table.ColumnWidth(column), widths[column]) << "column " << column;
        EXPECT_EQ(ToUtf8(table.ItemText(t.rows - 1, column)), t.lastRow[column]);
      }
      for (int row = 0; row < t.rows; ++row) {
        EXPECT_EQ(table.RowBackground(row), row % 2 == 1 ? (Rgb{230, 230, 250}) : Rgb{})
            << "row " << row;
      }
      EXPECT_EQ(Text(page, kIdcValueField), value);
      EXPECT_EQ(Text(page, kIdcResultField), result);
      EXPECT_EQ(Text(page, kIdcExchangeRateField), rate);
    }
    EXPECT_EQ(ToUtf8(table.ItemText(7, 4)), "39.5");
    EXPECT_EQ(ToUtf8(table.ItemText(8, 4)), "");

    ChooseCategory(page, ConverterCategory::Area);
    EXPECT_EQ(VisibleFields(page), kUnitFields);
    EXPECT_EQ(table.ColumnCount(), 0);
    EXPECT_EQ(table.ItemCount(), 0);
    EXPECT_EQ(Text(page, kIdcValueField), "1");
    EXPECT_EQ(Text(page, kIdcResultField), "1");
  });
}

INSTANTIATE_TEST_SUITE_P(BothPageSets, ConverterPageTest,
                         ::testing::Values(kPortraitSet, kLandscapeSet),
                         [](const ::testing::TestParamInfo<PageSet>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace tallyfox
