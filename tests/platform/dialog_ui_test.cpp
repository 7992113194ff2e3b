#include <gtest/gtest.h>

#include <QFont>
#include <QStringList>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/dialog.h"
#include "platform/dialog_units.h"
#include "platform/widgets.h"
#include "res/calc_ids.h"
#include "res/converter_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"
#include "support/modal_run.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::ChooseEntry;
using testing::Click;
using testing::RunModally;

constexpr Rgb kLavender{230, 230, 250};
constexpr Rgb kWhite{255, 255, 255};

// Logs what reaches it through its message map. The map is keyed by control
// id, so one table serves every template the tests build it from.
class Probe : public Dialog {
 public:
  using Dialog::Dialog;

  std::vector<Notification> log;
  int saveClicks = 0;
  std::vector<bool> withTaxSeenOnClick;
  bool paintRows = true;

 protected:
  bool Route(Notification& notification) override;

 private:
  void Record(Notification& notification) { log.push_back(notification); }
  void OnSetAndSave() { ++saveClicks; }
  void OnWithTax() { withTaxSeenOnClick.push_back(CheckBoxItem(kIdcWithTax).IsChecked()); }
  void OnCustomDraw(Notification& notification) {
    if (notification.drawStage == kDrawPrePaint) {
      notification.result = paintRows ? kDrawNotifyItemDraw : kDrawDoDefault;
    } else if (notification.drawStage == kDrawItemPrePaint) {
      notification.textBackground = notification.item % 2 == 1 ? kLavender : kWhite;
    }
  }

  static const MessageEntry<Probe> kMessageMap[];
};

const MessageEntry<Probe> Probe::kMessageMap[] = {
    {kIdcSetAndSave, Notify::Clicked, &Probe::OnSetAndSave},
    {kIdcChooseState, Notify::Clicked, &Probe::Record},
    {kIdcCustomizeRate, Notify::Clicked, &Probe::Record},
    {kIdcRateField, Notify::TextChange, &Probe::Record},
    {kIdcStateList, Notify::SelChange, &Probe::Record},
    {kIdcWithTax, Notify::Clicked, &Probe::OnWithTax},
    {kIdcShoplistListBox, Notify::SelChange, &Probe::Record},
    {kIdcShoppingListTable, Notify::ItemChanged, &Probe::Record},
    {kIdcShoppingListTable, Notify::CustomDraw, &Probe::OnCustomDraw},
};

bool Probe::Route(Notification& notification) {
  return RouteThrough<Probe>(kMessageMap, *this, notification);
}

// Exchanges the Tax Setup dialog's radio group and rate field.
class TaxSetupProbe : public Probe {
 public:
  TaxSetupProbe() : Probe(kIddTaxSetup) {}
  int mode = 0;
  std::u16string rate;

 protected:
  void DoDataExchange(DataExchange& dx) override {
    dx.Radio(kIdcChooseState, mode);
    dx.Text(kIdcRateField, rate);
  }
};

// The first three entries, and the last with the count when there are more.
std::string Summary(const ListControl& list) {
  QStringList shown;
  for (int i = 0; i < std::min(list.Count(), 3); ++i) shown << ToQString(list.TextAt(i));
  if (list.Count() > 3) {
    shown << "..." << ToQString(list.TextAt(list.Count() - 1)) + QString(" (%1)").arg(list.Count());
  }
  return shown.join(' ').toStdString();
}

using Event = std::pair<int, Notify>;

std::vector<Event> Events(const std::vector<Notification>& log) {
  std::vector<Event> events;
  for (const Notification& n : log) events.emplace_back(n.id, n.code);
  return events;
}

TEST(DialogUnitsTest, RectsMapThroughTheFontsBaseUnitsRoundingHalfAwayFromZero) {
  struct Case {
    const char* name;
    DuRect dialogUnits;
    PixelRect pixels;
  };
  const Case cases[] = {
      {"one base unit each way", {0, 0, 4, 8}, {0, 0, 6, 13}},
      {"1.5 and 1.625 round up", {1, 1, 1, 1}, {2, 2, 2, 2}},
      {"6.5, 4.5 and 19.5 round up", {2, 4, 3, 12}, {3, 7, 5, 20}},
      {"negatives round away from zero", {-1, -3, 0, 0}, {-2, -5, 0, 0}},
      {"8.125 rounds down", {5, 3, 7, 5}, {8, 5, 11, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ToPixels(c.dialogUnits, BaseUnits{6, 13}), c.pixels);
  }

  const DialogTemplate& tmpl = *FindTemplate(kIddTaxSetup);
  const BaseUnits units = BaseUnitsOf(DialogFont(tmpl));
  QFont larger = DialogFont(tmpl);
  larger.setPointSize(2 * tmpl.pointSize);
  EXPECT_GT(BaseUnitsOf(larger).x, units.x) << "a larger font scales the dialog";
  Probe dialog(kIddTaxSetup);
  RunModally(dialog, [&] {
    for (const ItemTemplate& item : tmpl.items) {
      SCOPED_TRACE(item.id);
      EXPECT_EQ(dialog.MapDialogRect(item.rect), ToPixels(item.rect, units));
      // A closed drop-down list is one line high.
      if (item.id != kIdcStatic && item.kind != ControlKind::DropDownList) {
        EXPECT_EQ(dialog.Item(item.id).Rect(), ToPixels(item.rect, units));
      }
    }
  });
}

TEST(MessageMapTest, UserActionsReachTheirHandlersAndCodeChangesDoNot) {
  Probe dialog(kIddTaxSetup);
  RunModally(dialog, [&] {
    Click(dialog, kIdcSetAndSave);
    EXPECT_EQ(dialog.saveClicks, 1);
    testing::TypeInto(dialog, kIdcRateField, u"8.25");
    ChooseEntry(dialog, kIdcStateList, u"CA");
    Click(dialog, kIdcCustomizeRate);
    std::vector<Event> expected(4, {kIdcRateField, Notify::TextChange});  // one per key
    expected.emplace_back(kIdcStateList, Notify::SelChange);
    expected.emplace_back(kIdcCustomizeRate, Notify::Clicked);
    EXPECT_EQ(Events(dialog.log), expected);
    EXPECT_TRUE(dialog.DropDownItem(kIdcStateList).Text() == u"CA");

    dialog.log.clear();
    dialog.SetItemText(kIdcRateField, u"7");
    dialog.DropDownItem(kIdcStateList).SetCurSel(0);
    EXPECT_TRUE(dialog.DropDownItem(kIdcStateList).Text() == u"AK");
    EXPECT_TRUE(dialog.log.empty()) << "changes by code notify nothing";
  });

  Probe listPage(kIddShoplistPortrait);
  RunModally(listPage, [&] {
    ListBox& names = listPage.ListBoxItem(kIdcShoplistListBox);
    for (std::u16string_view name : {u"b", u"A", u"c"}) names.AddString(name);
    ChooseEntry(listPage, kIdcShoplistListBox, u"b");
    EXPECT_EQ(names.CurSel(), 1);
    names.SetCurSel(2);
    names.DeleteString(0);
    names.ResetContent();
    EXPECT_EQ(Events(listPage.log), (std::vector<Event>{{kIdcShoplistListBox, Notify::SelChange}}));
  });
}

TEST(MessageMapTest, CheckBoxClickArrivesAfterTheToggle) {
  Probe page(kIddSalePortrait);
  RunModally(page, [&] {
    Click(page, kIdcWithTax);
    Click(page, kIdcWithTax);
  });
  EXPECT_EQ(page.withTaxSeenOnClick, (std::vector<bool>{true, false}));
}

TEST(ListControlTest, SortedListsOrderCaseInsensitively) {
  struct Case {
    const char* name;
    int templateNumber;
    int id;
    std::u16string added;  // one entry per letter
    const char* shown;
  };
  const Case cases[] = {
      {"mixed case", kIddShoplistPortrait, kIdcShoplistListBox, u"bAc", "A b c"},
      {"equal texts keep their order", kIddShoplistPortrait, kIdcShoplistListBox, u"aBA", "a A B"},
      {"unsorted list appends", kIddConverterPortrait, kIdcCategoryList, u"A",
       "Currency Weight length ... A (10)"},
      {"state codes", kIddTaxSetup, kIdcStateList, u"", "AK AL AR ... WY (51)"},
      {"catalogs", kIddItemEdit, kIdcItemEditCatalog, u"", "apparel baby beauty ... toys (13)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Probe dialog(c.templateNumber);
    RunModally(dialog, [&] {
      auto& list = dynamic_cast<ListControl&>(dialog.Item(c.id));
      EXPECT_EQ(list.CurSel(), -1) << "filling selects nothing";
      for (char16_t letter : c.added) list.AddString(std::u16string(1, letter));
      EXPECT_EQ(Summary(list), c.shown);
    });
  }
}

TEST(DataExchangeTest, RadioGroupGivesAndTakesTheCheckedIndex) {
  struct Case {
    const char* name;
    int loaded;
    int userClicks;  // 0 for none
    bool firstChecked;
    bool secondChecked;
    int saved;
  };
  const Case cases[] = {
      {"first", 0, 0, true, false, 0},
      {"second", 1, 0, false, true, 1},
      {"none", -1, 0, false, false, -1},
      {"user picks second", 0, kIdcCustomizeRate, false, true, 1},
      {"user picks first", 1, kIdcChooseState, true, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TaxSetupProbe dialog;
    RunModally(dialog, [&] {
      dialog.mode = c.loaded;
      dialog.UpdateData(false);
      if (c.userClicks != 0) Click(dialog, c.userClicks);
      EXPECT_EQ(dialog.RadioItem(kIdcChooseState).IsChecked(), c.firstChecked);
      EXPECT_EQ(dialog.RadioItem(kIdcCustomizeRate).IsChecked(), c.secondChecked);
      dialog.mode = 42;
      dialog.UpdateData(true);
      EXPECT_EQ(dialog.mode, c.saved);
    });
  }
}

TEST(ListViewTest, ColumnsShiftCellsAndDeletingColumnZeroEmptiesIt) {
  Probe dialog(kIddShoppingListPortrait);
  RunModally(dialog, [&] {
    ListView& table = dialog.ListViewItem(kIdcShoppingListTable);
    EXPECT_EQ(table.InsertColumn(0, u"Name", 60, ColumnAlign::Left), 0);
    EXPECT_EQ(table.InsertColumn(5, u"Qty", 30, ColumnAlign::Right), 1) << "past the end appends";
    table.InsertItem(0, u"milk");
    table.SetItemText(0, 1, u"2");
    EXPECT_EQ(table.InsertColumn(0, u"No.", 20, ColumnAlign::Center), 0);
    ASSERT_EQ(table.ColumnCount(), 3);
    const std::u16string shown[][2] = {{u"No.", u""}, {u"Name", u"milk"}, {u"Qty", u"2"}};
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(table.ColumnHeading(column), shown[column][0]);
      EXPECT_EQ(table.ItemText(0, column), shown[column][1]);
    }
    EXPECT_EQ(table.ColumnWidth(2), 30);

    for (int left = 2; left >= 0; --left) {
      EXPECT_TRUE(table.DeleteColumn(0));
      EXPECT_EQ(table.ColumnCount(), left);
    }
    EXPECT_FALSE(table.DeleteColumn(0));
    EXPECT_EQ(table.InsertColumn(3, u"Item", 50, ColumnAlign::Left), 0) << "starts anew";
    EXPECT_EQ(table.ColumnCount(), 1);
  });
}

TEST(ListViewTest, TicksAndSelectionReportOldAndNewState) {
  Probe dialog(kIddShoppingListPortrait);
  RunModally(dialog, [&] {
    ListView& table = dialog.ListViewItem(kIdcShoppingListTable);
    table.SetTickBoxes(true);
    table.SetFullRowSelect(true);
    table.InsertColumn(0, u"Name", 60, ColumnAlign::Left);
    for (int row = 0; row < 3; ++row) table.InsertItem(row, u"item");
    EXPECT_TRUE(dialog.log.empty()) << "inserting rows is no change of state";

    for (const auto& [from, to] :
         {std::pair{kRowUnticked, kRowTicked}, {kRowTicked, kRowUnticked}}) {
      dialog.log.clear();
      testing::ToggleTick(dialog, kIdcShoppingListTable, 1);
      ASSERT_EQ(Events(dialog.log),
                (std::vector<Event>{{kIdcShoppingListTable, Notify::ItemChanged}}));
      EXPECT_EQ(dialog.log[0].item, 1);
      EXPECT_EQ(dialog.log[0].oldState & kRowTickMask, from);
      EXPECT_EQ(dialog.log[0].newState & kRowTickMask, to);
      EXPECT_EQ(table.IsTicked(1), to == kRowTicked);
    }

    dialog.log.clear();
    testing::SelectRow(dialog, kIdcShoppingListTable, 2);
    const auto selected = std::find_if(dialog.log.begin(), dialog.log.end(), [](auto& n) {
      return n.item == 2 && (n.newState & kRowSelected) != 0;
    });
    ASSERT_NE(selected, dialog.log.end());
    EXPECT_EQ(selected->oldState & kRowSelected, 0u);
    EXPECT_EQ(selected->newState & kRowTickMask, kRowUnticked) << "the tick stays as it was";
    EXPECT_EQ(table.SelectedRows(), std::vector<int>{2});
  });
}

TEST(ListViewTest, CustomDrawDecidesEachRowsBackground) {
  for (const bool paintRows : {true, false}) {
    SCOPED_TRACE(paintRows ? "owner asks for each row" : "owner leaves drawing alone");
    Probe dialog(kIddShoppingListPortrait);
    dialog.paintRows = paintRows;
    RunModally(dialog, [&] {
      ListView& table = dialog.ListViewItem(kIdcShoppingListTable);
      table.InsertColumn(0, u"Name", 60, ColumnAlign::Left);
      for (int row = 0; row < 3; ++row) table.InsertItem(row, u"row");
      EXPECT_EQ(table.RowBackground(0), kWhite);
      EXPECT_EQ(table.RowBackground(1), paintRows ? kLavender : kWhite);
      EXPECT_EQ(table.RowBackground(2), kWhite);
    });
  }
}

}  // namespace
}  // namespace tallyfox
