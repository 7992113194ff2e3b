#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>
#include <string>
#include <vector>

#include "platform/file_faults.h"
#include "recording_reporter.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"
#include "shoplist/list_store.h"
#include "shoplist_fixture.h"

namespace tallyfox {
namespace {

using testing::ChooseEntry;
using testing::Click;
using testing::CloseWithCaptionOk;
using testing::FillItem;
using testing::IsEnabled;
using testing::Shown;
using testing::ToggleTick;
using testing::TypeInto;

constexpr std::u16string_view kTwoItems =
    u"\uFEFF\n0  milk  2  food  2.00\n0  tea  1  food  3.50\n";
constexpr std::u16string_view kFourItems =
    u"\uFEFF\n0  milk  2  food  6.50\n0  soap  1  home  2.25\n0  tea  3  food  4.50\n"
    u"0  cap  1  apparel  9.99\n";
constexpr std::u16string_view kAskDelete = u"Are you sure you want to delete selected item?";

std::vector<std::string> RowTexts(const Dialog& list, int row) {
  const ListView& table = list.ListViewItem(kIdcShoppingListTable);
  std::vector<std::string> texts;
  for (int column = 0; column < 4; ++column) texts.push_back(ToUtf8(table.ItemText(row, column)));
  return texts;
}

std::string Totals(const Dialog& list) {
  return Shown(list, kIdcShoppingListTax) + " / " + Shown(list, kIdcShoppingListTotal);
}

class ShoppingListTest : public testing::ShoplistTest {
 protected:
  // The Checked fields of the stored list, "1" or "0" for each item.
  std::string StoredTicks(std::u16string_view name) const {
    testing::RecordingReporter reporter;
    const std::optional<ListContents> contents =
        ListStore(folder_.path(), reporter).ReadItems(name);
    std::string ticks;
    if (contents) {
      for (const ListItem& item : contents->items) ticks += item.checked ? '1' : '0';
    }
    return ticks;
  }
};

TEST_F(ShoppingListTest, ShowsTaxAndTotalOfTheListForTheStateInForce) {
  const struct {
    const char* label;
    std::string taxFile;
    ScreenGeometry screen;
    const char* stateCode;
    const char* withTax;
  } cases[] = {
      {"CA", testing::kTaxFileCa, testing::kPortrait, "CA", "Tax:  0.40 / Total:  5.90"},
      {"CA, landscape", testing::kTaxFileCa, testing::kLandscape, "CA",
       "Tax:  0.40 / Total:  5.90"},
      {"custom 8.25", testing::kTaxFileCustom825, testing::kPortrait, "S.",
       "Tax:  0.45 / Total:  5.95"},
  };
  StoreList(u"list", kTwoItems);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StoreTaxFile(c.taxFile);
    OpenList(
        u"list",
        [&](Dialog& list) {
          EXPECT_EQ(Shown(list, kIdcShoppingListTitle), "list");
          EXPECT_EQ(Shown(list, kIdcStateButton), c.stateCode);
          EXPECT_EQ(Totals(list), "Tax:  0.00 / Total:  5.50");
          Click(list, kIdcWithTax);
          EXPECT_EQ(Totals(list), c.withTax);
          Click(list, kIdcWithTax);
          EXPECT_EQ(Totals(list), "Tax:  0.00 / Total:  5.50");
          EXPECT_FALSE(list.Item(kIdcFood).IsVisible());
        },
        false, c.screen);
  }
}

TEST_F(ShoppingListTest, TaxNeedsAStateChosenHereOrBefore) {
  std::filesystem::remove(folder_.path() / "tax.ini");
  StoreList(u"list", kTwoItems);
  script_.ExpectMessage(u"Read tax file failed!");
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(Shown(list, kIdcStateButton), "...");
    script_.ExpectMessage(u"Set your local sales tax firstly.");
    Click(list, kIdcWithTax);
    EXPECT_FALSE(list.CheckBoxItem(kIdcWithTax).IsChecked());

    // Closed without a choice: still no state, so no tax.
    script_.ExpectDialog(kIddTaxSetup, [](Dialog& setup) { CloseWithCaptionOk(setup); });
    Click(list, kIdcStateButton);
    EXPECT_EQ(Shown(list, kIdcStateButton), "...");
    EXPECT_FALSE(list.CheckBoxItem(kIdcWithTax).IsChecked());
    EXPECT_EQ(Totals(list), "Tax:  0.00 / Total:  5.50");

    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      ChooseEntry(setup, kIdcStateList, u"CA");
      script_.ExpectMessage(u"Sales tax setting is saved successfully.");
      Click(setup, kIdcSetAndSave);
    });
    Click(list, kIdcStateButton);
    EXPECT_EQ(Shown(list, kIdcStateButton), "CA");
    EXPECT_TRUE(list.CheckBoxItem(kIdcWithTax).IsChecked());
    EXPECT_EQ(Totals(list), "Tax:  0.40 / Total:  5.90");
  });
}

TEST_F(ShoppingListTest, AddedItemStoresItsLinePriceWithEitherSaveButton) {
  const struct {
    const char* label;
    int saveButton;
    const char16_t* qty;
    const char16_t* unitPrice;
    const char* linePrice;
    const char* total;
  } cases[] = {
      {"3 at 1.5, save and exit", kIdcItemEditSaveAndExit, u"3", u"1.5", "4.50", "Total:  10.00"},
      {"3 at 1.5, save and new", kIdcItemEditSaveAndNew, u"3", u"1.5", "4.50", "Total:  10.00"},
      {"2 at 0.333, save and exit", kIdcItemEditSaveAndExit, u"2", u"0.333", "0.67",
       "Total:  6.17"},
      {"2 at 0.333, save and new", kIdcItemEditSaveAndNew, u"2", u"0.333", "0.67", "Total:  6.17"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StoreList(u"list", kTwoItems);
    OpenList(u"list", [&](Dialog& list) {
      RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
        FillItem(edit, u"bread", c.qty, c.unitPrice, u"food");
        Click(edit, c.saveButton);
        if (!edit.HasEnded()) {
          EXPECT_EQ(Shown(edit, kIdcItemEditName), "") << "the form is cleared for the next";
          EXPECT_EQ(Shown(list, kIdcShoppingListTotal), c.total);
          CloseWithCaptionOk(edit);
        }
      });
      ASSERT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 3);
      EXPECT_EQ(RowTexts(list, 2),
                (std::vector<std::string>{"bread", ToUtf8(c.qty), "food", c.linePrice}));
      EXPECT_FALSE(list.ListViewItem(kIdcShoppingListTable).IsTicked(2));
      EXPECT_EQ(Shown(list, kIdcShoppingListTotal), c.total);
    });
    EXPECT_EQ(StoredList(u"list"),
              testing::Utf16Le(std::u16string(kTwoItems) + u"0  bread  " + c.qty + u"  food  " +
                               FromUtf8(c.linePrice) + u"\n"));
  }
}

TEST_F(ShoppingListTest, SaveAndNewKeepsEverySavedItemAndDropsTheUnsavedForm) {
  StoreList(u"list", u"\uFEFF\n");
  OpenList(u"list", [&](Dialog& list) {
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      for (const char16_t* name : {u"a", u"b", u"c"}) {
        FillItem(edit, name, u"1", u"2", u"toys");
        Click(edit, kIdcItemEditSaveAndNew);
      }
      FillItem(edit, u"d", u"1", u"2", u"toys");
      CloseWithCaptionOk(edit);
    });
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 3);
    EXPECT_EQ(Totals(list), "Tax:  0.00 / Total:  6.00");
  });
  EXPECT_EQ(StoredList(u"list"),
            testing::Utf16Le(u"\uFEFF\n0  a  1  toys  2.00\n0  b  1  toys  2.00\n"
                             u"0  c  1  toys  2.00\n"));
}

TEST_F(ShoppingListTest, ItemEditRefusesWhatTheListCannotHoldAndStaysOpen) {
  const struct {
    const char* label;
    std::u16string name, qty, unitPrice, catalog;
    std::u16string message;
  } cases[] = {
      {"all empty", u"", u"", u"", u"", u"Please input the item name."},
      {"no quantity", u"jam", u"", u"2", u"food", u"Please input the item quantity."},
      {"no catalog", u"jam", u"1", u"2", u"", u"Please input the item catalog."},
      {"no unit price", u"jam", u"1", u"", u"food", u"Please choose the item unit price."},
      {"name in the list", u"milk", u"1", u"2", u"food",
       u"Item exists. Please input a different name."},
      {"name with a space", u"ice cream", u"1", u"2", u"food",
       u"Please input the item name without spaces."},
      {"name of 32 characters", std::u16string(32, u'n'), u"1", u"2", u"food",
       u"Please input an item name of at most 31 characters."},
      {"four digits", u"jam", u"1000", u"2", u"food",
       u"Please input a quantity of at most 3 digits."},
      {"line price of 16 characters", u"jam", u"999", u"1e10", u"food",
       u"The price is too large. Please input a smaller unit price."},
      {"infinite unit price", u"jam", u"1", u"1e999", u"food",
       u"The price is too large. Please input a smaller unit price."},
  };
  StoreList(u"list", kTwoItems);
  OpenList(u"list", [&](Dialog& list) {
    for (const int saveButton : {kIdcItemEditSaveAndExit, kIdcItemEditSaveAndNew}) {
      RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
        for (const auto& c : cases) {
          SCOPED_TRACE(c.label);
          FillItem(edit, c.name, c.qty, c.unitPrice, c.catalog);
          if (c.catalog.empty()) edit.DropDownItem(kIdcItemEditCatalog).SetCurSel(-1);
          script_.ExpectMessage(c.message);
          Click(edit, saveButton);
          EXPECT_FALSE(edit.HasEnded());
          EXPECT_EQ(Shown(edit, kIdcItemEditName), ToUtf8(c.name)) << "what was typed stays";
        }
        // Letter case makes another name.
        FillItem(edit, saveButton == kIdcItemEditSaveAndExit ? u"Milk" : u"MILK", u"1", u"2",
                 u"food");
        Click(edit, kIdcItemEditSaveAndExit);
        EXPECT_TRUE(edit.HasEnded());
      });
    }
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 4);
  });
}

TEST_F(ShoppingListTest, ChangeModeShowsTheItemAndStoresTheNewQuantityAndPrice) {
  StoreList(u"list", kFourItems);
  OpenList(u"list", [&](Dialog& list) {
    testing::SelectRow(list, kIdcShoppingListTable, 0);
    RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
      EXPECT_EQ(Shown(edit, kIdcItemEditName), "milk");
      EXPECT_EQ(Shown(edit, kIdcItemEditQty), "2");
      EXPECT_EQ(Shown(edit, kIdcItemEditUnitPrice), "3.25");
      EXPECT_TRUE(edit.EditItem(kIdcItemEditName).IsReadOnly());
      EXPECT_EQ(Shown(edit, kIdcItemEditCatalog), "food");
      EXPECT_FALSE(IsEnabled(edit, kIdcItemEditCatalog));
      EXPECT_FALSE(IsEnabled(edit, kIdcItemEditSaveAndNew));
      EXPECT_TRUE(testing::HasFocusWithAllSelected(edit, kIdcItemEditQty));
      TypeInto(edit, kIdcItemEditQty, u"003");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(RowTexts(list, 0), (std::vector<std::string>{"milk", "3", "food", "9.75"}));
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  26.49");
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListEdit));
  });
  EXPECT_EQ(StoredList(u"list"),
            testing::Utf16Le(u"\uFEFF\n0  milk  3  food  9.75\n0  soap  1  home  2.25\n"
                             u"0  tea  3  food  4.50\n0  cap  1  apparel  9.99\n"));
}

TEST_F(ShoppingListTest, ChangeModeNeverMakesUpAUnitPriceOrCatalog) {
  StoreList(u"list", u"\uFEFF\n0  gum  0  food  1.00\n0  nuts  2  snacks  3.00\n");
  OpenList(u"list", [&](Dialog& list) {
    testing::SelectRow(list, kIdcShoppingListTable, 0);
    RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
      EXPECT_EQ(Shown(edit, kIdcItemEditUnitPrice), "") << "quantity 0 has no unit price";
      script_.ExpectMessage(u"Please choose the item unit price.");
      Click(edit, kIdcItemEditSaveAndExit);
      TypeInto(edit, kIdcItemEditQty, u"2");
      TypeInto(edit, kIdcItemEditUnitPrice, u"1.25");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(RowTexts(list, 0), (std::vector<std::string>{"gum", "2", "food", "2.50"}));

    testing::SelectRow(list, kIdcShoppingListTable, 1);
    RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
      EXPECT_EQ(edit.DropDownItem(kIdcItemEditCatalog).CurSel(), -1);
      script_.ExpectMessage(u"Please input the item catalog.");
      Click(edit, kIdcItemEditSaveAndExit);
      CloseWithCaptionOk(edit);
    });
    EXPECT_EQ(RowTexts(list, 1), (std::vector<std::string>{"nuts", "2", "snacks", "3.00"}));
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  5.50");
  });
}

TEST_F(ShoppingListTest, AFailedUpdateShowsWhatTheFileHolds) {
  StoreList(u"list", kFourItems);
  OpenList(u"list", [&](Dialog& list) {
    testing::SelectRow(list, kIdcShoppingListTable, 2);
    testing::FailingOperation fault(FileOperation::Replace);
    ScopedFileFaults installed(fault);
    script_.ExpectDialog(kIddItemEdit, [&](Dialog& edit) {
      TypeInto(edit, kIdcItemEditQty, u"5");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    script_.ExpectMessage(u"Failed to update shopping list file");
    script_.ExpectMessage(u"Failed to update item to file.");
    Click(list, kIdcShoppingListEdit);
    EXPECT_EQ(RowTexts(list, 2), (std::vector<std::string>{"tea", "3", "food", "4.50"}));
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  23.24");
  });
  EXPECT_EQ(StoredList(u"list"), testing::Utf16Le(kFourItems));
}

TEST_F(ShoppingListTest, DeletingRemovesTheLineButAFailedDeleteKeepsTheRow) {
  StoreList(u"list", kFourItems);
  OpenList(u"list", [&](Dialog& list) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    testing::SelectRow(list, kIdcShoppingListTable, 1);
    {
      testing::FailingOperation fault(FileOperation::Replace);
      ScopedFileFaults installed(fault);
      script_.ExpectMessage(std::u16string(kAskDelete), MessageResult::Yes);
      script_.ExpectMessage(u"Failed to update shopping list file");
      Click(list, kIdcShoppingListDelete);
    }
    EXPECT_EQ(table.ItemCount(), 4);
    EXPECT_EQ(RowTexts(list, 1), (std::vector<std::string>{"soap", "1", "home", "2.25"}));

    testing::SelectRow(list, kIdcShoppingListTable, 2);
    script_.ExpectMessage(std::u16string(kAskDelete), MessageResult::No);
    Click(list, kIdcShoppingListDelete);
    EXPECT_EQ(table.ItemCount(), 4);

    // The question disabled the buttons; choosing a row enables them again.
    testing::SelectRow(list, kIdcShoppingListTable, 0);
    testing::SelectRow(list, kIdcShoppingListTable, 2);
    script_.ExpectMessage(std::u16string(kAskDelete), MessageResult::Yes);
    Click(list, kIdcShoppingListDelete);
    EXPECT_EQ(table.ItemCount(), 3);
    EXPECT_EQ(RowTexts(list, 2), (std::vector<std::string>{"cap", "1", "apparel", "9.99"}));
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  18.74");
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListDelete));
  });
  EXPECT_EQ(StoredList(u"list"),
            testing::Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n0  soap  1  home  2.25\n"
                             u"0  cap  1  apparel  9.99\n"));
}

TEST_F(ShoppingListTest, AFailedAppendAddsNothing) {
  StoreList(u"list", kTwoItems);
  OpenList(u"list", [&](Dialog& list) {
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      testing::FailingOperation fault(FileOperation::Write);
      ScopedFileFaults installed(fault);
      FillItem(edit, u"jam", u"1", u"2", u"food");
      script_.ExpectMessage(u"Failed to save item.");
      script_.ExpectMessage(u"Failed to write item to file.");
      Click(edit, kIdcItemEditSaveAndExit);
      EXPECT_FALSE(edit.HasEnded());
      CloseWithCaptionOk(edit);
    });
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 2);
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  5.50");
  });
  EXPECT_EQ(StoredList(u"list"), testing::Utf16Le(kTwoItems));
}

TEST_F(ShoppingListTest, TicksAreSavedWhenAWindowOpensAboveOrTheListCloses) {
  const struct {
    const char* label;
    bool viewOnly;
    std::function<void(Dialog&)> then;
  } cases[] = {
      {"message box", false,
       [this](Dialog& list) {
         script_.ExpectMessage(std::u16string(kAskDelete), MessageResult::No);
         Click(list, kIdcShoppingListDelete);
         EXPECT_EQ(StoredTicks(u"list"), "1010");
       }},
      {"item edit", false,
       [this](Dialog& list) {
         RunItemEdit(list, kIdcShoppingListAdd, [](Dialog& edit) { CloseWithCaptionOk(edit); });
         EXPECT_EQ(StoredTicks(u"list"), "1010");
       }},
      {"caption OK", false, [](Dialog& list) { CloseWithCaptionOk(list); }},
      {"escape", false, [](Dialog& list) { testing::PressEscape(list); }},
      {"view only, tax setup", true,
       [this](Dialog& list) {
         script_.ExpectDialog(kIddTaxSetup, [](Dialog& setup) { CloseWithCaptionOk(setup); });
         Click(list, kIdcStateButton);
         EXPECT_EQ(StoredTicks(u"list"), "1010");
       }},
      {"view only, caption OK", true, [](Dialog& list) { CloseWithCaptionOk(list); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    StoreList(u"list", kFourItems);
    OpenList(
        u"list",
        [&](Dialog& list) {
          ToggleTick(list, kIdcShoppingListTable, 0);
          ToggleTick(list, kIdcShoppingListTable, 2);
          testing::SelectRow(list, kIdcShoppingListTable, 3);
          EXPECT_EQ(IsEnabled(list, kIdcShoppingListDelete), !c.viewOnly);
          EXPECT_EQ(IsEnabled(list, kIdcShoppingListEdit), !c.viewOnly);
          EXPECT_EQ(IsEnabled(list, kIdcShoppingListAdd), !c.viewOnly);
          EXPECT_EQ(StoredTicks(u"list"), "0000") << "ticks wait for a window above";
          c.then(list);
        },
        c.viewOnly);
    EXPECT_EQ(StoredTicks(u"list"), "1010");
  }
}

TEST_F(ShoppingListTest, EveryTickOfALongListIsSaved) {
  std::u16string text = u"\uFEFF\n";
  for (int i = 0; i < 150; ++i)
    text += u"0  item" + FromUtf8(std::to_string(i)) + u"  1  food  1.00\n";
  StoreList(u"list", text);
  OpenList(u"list", [&](Dialog& list) {
    for (int row = 0; row < 150; ++row) ToggleTick(list, kIdcShoppingListTable, row);
  });
  EXPECT_EQ(StoredTicks(u"list"), std::string(150, '1'));
}

TEST_F(ShoppingListTest, StoredTicksShowAndUntouchedTicksAreNotRewritten) {
  StoreList(u"list", u"\uFEFF\n1 milk 2 food 6.50\n0 tea 1 food 1.00\n");
  OpenList(u"list", [&](Dialog& list) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    EXPECT_TRUE(table.IsTicked(0));
    EXPECT_FALSE(table.IsTicked(1));
  });
  EXPECT_EQ(StoredList(u"list"),
            testing::Utf16Le(u"\uFEFF\n1 milk 2 food 6.50\n0 tea 1 food 1.00\n"));
}

TEST_F(ShoppingListTest, RowsAreStripedWhiteAndLavender) {
  std::u16string text = u"\uFEFF\n";
  for (int i = 0; i < 6; ++i)
    text += u"0  item" + FromUtf8(std::to_string(i)) + u"  1  food  1.00\n";
  StoreList(u"list", text);
  OpenList(u"list", [&](Dialog& list) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    for (int row = 0; row < 6; ++row) {
      const Rgb expected = row % 2 == 0 ? Rgb{255, 255, 255} : Rgb{230, 230, 250};
      EXPECT_EQ(table.RowBackground(row), expected) << row;
    }
    EXPECT_EQ(table.ColumnCount(), 4);
    EXPECT_EQ(ToUtf8(table.ColumnHeading(2)), "Catalog");
    EXPECT_EQ(table.ColumnWidth(0), 80);
  });
}

TEST_F(ShoppingListTest, AListThatCannotBeReadOpensEmpty) {
  StoreList(u"list", kTwoItems);
  RunPage([&](CDialogTab4& page) {
    std::filesystem::remove(ListFile(u"list"));
    ChooseEntry(page, kIdcShoplistListBox, u"list");
    script_.ExpectMessage(u"Failed to open list file.");
    script_.ExpectMessage(u"Failed to load list file.");
    script_.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& list) {
      EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 0);
      EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "99999999.99");
      CloseWithCaptionOk(list);
    });
    Click(page, kIdcShoplistEdit);
  });
}

}  // namespace
}  // namespace tallyfox
