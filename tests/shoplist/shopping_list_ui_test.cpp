// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/print.h"
#include "platform/striped_rows.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;
using Fields = std::vector<std::string>;

const std::u16string kAskDelete = u"Are you sure you want to delete selected item?";
// Milk ticked; 11.75 together. California taxes food at 0 and the rest at 7.25 %.
const std::u16string kList =
    u"\uFEFF\n1  milk  1  food  8.00\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n";
const std::u16string kUnticked =
    u"\uFEFF\n0  milk  1  food  8.00\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n";

// Name, quantity, catalog and price, as the table shows them.
Fields Row(const Dialog& list, int row) {
  Fields fields;
  const ListView& table = list.ListViewItem(kIdcShoppingListTable);
  for (int column = 0; column < 4; ++column) fields.push_back(ToUtf8(table.ItemText(row, column)));
  return fields;
}

void ExpectTotals(const Dialog& list, const std::string& tax, const std::string& total) {
  EXPECT_EQ(Shown(list, kIdcShoppingListTax), "Tax:  " + tax) << "tax";
  EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  " + total) << "total";
}

// Name, quantity, unit price and catalog, as Item Edit shows them.
Fields Form(const Dialog& edit) {
  return {Shown(edit, kIdcItemEditName), Shown(edit, kIdcItemEditQty),
          Shown(edit, kIdcItemEditUnitPrice), Shown(edit, kIdcItemEditCatalog)};
}

bool IsTicked(const Dialog& list, int row) {
  return list.ListViewItem(kIdcShoppingListTable).IsTicked(row);
}

void ChooseFromMenu(const Dialog& window, int id, const QString& command) {
  for (QAction* action : WidgetOf(window.Item(id))->actions()) {
    if (action->text() == command) action->trigger();
  }
}

void PressKeys(const Dialog& list, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(WidgetOf(list.Item(kIdcShoppingListTable)), key, modifiers);
}

std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

// The printed page as pdftotext reads it back.
std::string PrintedText(const std::filesystem::path& pdf) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), "-"});
  reader.waitForFinished();
  return reader.readAllStandardOutput().toStdString();
}

class ShoppingListTest : public ProgramTest {
 protected:
  void OpenStored(std::u16string_view text, const std::function<void(Dialog&)>& actions) {
    StoreList(u"list", text);
    OpenList(u"list", actions);
  }
  void ExpectStored(std::u16string_view text) const {
    EXPECT_EQ(StoredList(u"list"), Utf16Le(text)) << "the file";
  }
  // Each of these expects the `failures` said after it, in turn.
  void DeleteRow(Dialog& list, int row, const std::vector<std::u16string>& failures = {}) {
    SelectRow(list, kIdcShoppingListTable, row);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    for (const std::u16string& failure : failures) script_.ExpectMessage(failure);
    Click(list, kIdcShoppingListDelete);
  }
  void ChangeQuantity(Dialog& list, int row, std::u16string_view qty,
                      const std::vector<std::u16string>& failures = {}) {
    SelectRow(list, kIdcShoppingListTable, row);
    script_.ExpectDialog(kIddItemEdit, [&](Dialog& edit) {
      TypeInto(edit, kIdcItemEditQty, qty);
      Click(edit, kIdcItemEditSaveAndExit);
    });
    for (const std::u16string& failure : failures) script_.ExpectMessage(failure);
    Click(list, kIdcShoppingListEdit);
  }
};

// The window's Ctrl+C copies it as shown (a tick not yet saved, the tax on);
// the page's menu copies the stored list, taxed.
TEST_F(ShoppingListTest, CopyAsTextGivesTheListWithTicksAndTotalsFromWindowOrPage) {
  const std::string copied =
      "list\n☐ 1 milk (food) 8.00\n☑ 1 soap (home) 2.25\nTax:  0.16\nTotal:  10.41\n";
  OpenStored(u"\uFEFF\n0  milk  1  food  8.00\n0  soap  1  home  2.25\n", [&](Dialog& list) {
    ToggleTick(list, kIdcShoppingListTable, 1);
    Click(list, kIdcWithTax);
    PressKeys(list, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), copied) << "from the window";
  });
  QGuiApplication::clipboard()->clear();
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"list");
    ChooseFromMenu(page, kIdcShoplistListBox, QStringLiteral("Copy as Text"));
  });
  EXPECT_EQ(Clipboard(), copied) << "from the page";
}

// Keys a command has stand beside it; Copy's Ctrl+C works in this window alone.
TEST_F(ShoppingListTest, TheTablesMenuShowsTheKeysOfEachCommand) {
  OpenStored(kList, [&](Dialog& list) {
    Fields shown;
    for (QAction* action : WidgetOf(list.Item(kIdcShoppingListTable))->actions()) {
      const QString keys = action->shortcut().toString();
      const bool besideIt = action->isShortcutVisibleInContextMenu() && !keys.isEmpty();
      shown.push_back((action->text() + (besideIt ? " " + keys : "")).toStdString());
    }
    EXPECT_EQ(shown, (Fields{"Copy as Text Ctrl+C", "Print…", "Untick All Ctrl+Shift+U",
                             "Undo Delete Ctrl+Z"}));
  });
}

TEST_F(ShoppingListTest, ShiftF10OpensTheTablesMenuAsARightClickDoes) {
  OpenStored(kList, [&](Dialog& list) {
    bool opened = false;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
      auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      if (menu != nullptr) opened = menu->close();
    });
    closer.start(0);
    PressKeys(list, Qt::Key_F10, Qt::ShiftModifier);
    EXPECT_TRUE(opened);
  });
}

TEST_F(ShoppingListTest, AClickOnATextLeavesTheFocusInTheTable) {
  OpenStored(kList, [&](Dialog& list) {
    QWidget* table = WidgetOf(list.Item(kIdcShoppingListTable));
    table->setFocus();
    QTest::mouseClick(WidgetOf(list.Item(kIdcShoppingListLeft)), Qt::LeftButton);
    EXPECT_EQ(table->window()->focusWidget(), table);
  });
}

// 2.25 × 7.25 % = 0.163125, and nothing on the food.
TEST_F(ShoppingListTest, FoodIsTaxedAtTheFoodRateAndTheTaxTipSaysHow) {
  OpenStored(u"\uFEFF\n0  milk  1  food  8.00\n0  soap  1  home  2.25\n", [&](Dialog& list) {
    Click(list, kIdcWithTax);
    EXPECT_EQ(ToUtf8(list.Item(kIdcShoppingListTax).ToolTip()),
              "Tax 0.16 = 8.00 × 0 % (CA food rate) + 2.25 × 7.25 % (CA)");
  });
}

TEST_F(ShoppingListTest, PrintingPutsTheListOnThePageOrSaysItFailedAndLeavesNoFile) {
  const std::filesystem::path pdf = folder_.path() / "printed.pdf";
  OpenStored(kList, [&](Dialog& list) {
    const ScopedPrintToPdf printer(pdf);
    ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Print…"));
    const std::string printed = PrintedText(pdf);
    for (const char* shown : {"list", "milk", "soap", "tea", "Tax:", "0.00", "Total:", "11.75"}) {
      EXPECT_NE(printed.find(shown), std::string::npos) << shown << " not in " << printed;
    }
    std::filesystem::remove(pdf);
    const ScopedDiskRoom full(512);
    script_.ExpectMessage(u"Failed to print the list.");
    ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Print…"));
  });
  EXPECT_FALSE(std::filesystem::exists(pdf)) << "after a failed print";
}

TEST_F(ShoppingListTest, RowsAreStripedTickedOnesStruckThroughAndLeftSumsTheRest) {
  OpenStored(kList, [&](Dialog& list) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    EXPECT_EQ(table.RowBackground(0), kEvenRowBackground) << "row 0";
    EXPECT_EQ(table.RowBackground(1), kOddRowBackground) << "row 1";
    EXPECT_TRUE(table.IsRowCrossedOut(0)) << "milk, ticked";
    EXPECT_FALSE(table.IsRowCrossedOut(1)) << "soap";
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 3.75");
    Click(list, kIdcWithTax);  // soap 2.413125 with California's tax, tea untaxed
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 3.91") << "with tax";
    ToggleTick(list, kIdcShoppingListTable, 1);
    EXPECT_TRUE(table.IsRowCrossedOut(1)) << "soap, ticked now";
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 1.50") << "soap ticked";
  });
}

TEST_F(ShoppingListTest, UntickAllByKeyOrMenuClearsEveryTickInTheFileAtOnce) {
  for (const bool byMenu : {false, true}) {
    OpenStored(kList, [&](Dialog& list) {
      ToggleTick(list, kIdcShoppingListTable, 2);
      if (byMenu) ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Untick All"));
      if (!byMenu) PressKeys(list, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
      EXPECT_FALSE(IsTicked(list, 2)) << "by menu: " << byMenu;
      EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 11.75") << "by menu: " << byMenu;
      ExpectStored(kUnticked);
    });
  }
}

// A second "Del" must not take a row the user never chose.
TEST_F(ShoppingListTest, ADeleteLeavesNoRowSelectedAndCtrlZPutsTheItemBackTickAndAll) {
  OpenStored(kList, [&](Dialog& list) {
    DeleteRow(list, 0);
    EXPECT_TRUE(list.ListViewItem(kIdcShoppingListTable).SelectedRows().empty());
    EXPECT_EQ(Row(list, 2), Fields(4)) << "no third row";
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListEdit)) << "Edit";
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListDelete)) << "Delete";
    ExpectStored(u"\uFEFF\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n");
    PressKeys(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Row(list, 0), (Fields{"milk", "1", "food", "8.00"}));
    EXPECT_TRUE(IsTicked(list, 0));
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListDelete)) << "Delete, after the undo";
    ExpectTotals(list, "0.00", "11.75");
    ExpectStored(kList);
  });
}

TEST_F(ShoppingListTest, SpaceTicksTheCurrentRowFromAnyColumn) {
  OpenStored(kList, [&](Dialog& list) {
    auto* view = static_cast<QAbstractItemView*>(WidgetOf(list.Item(kIdcShoppingListTable)));
    view->setCurrentIndex(view->model()->index(1, 2));  // soap's catalog
    PressKeys(list, Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(IsTicked(list, 1));
  });
}

// "Save & New" writes the item through and leaves an empty form open.
TEST_F(ShoppingListTest, SaveAndNewAddsTheItemAtOnceAndLeavesAnEmptyFormOpen) {
  OpenStored(kList, [&](Dialog& list) {
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      FillItem(edit, u"bread", u"2", u"0.333", u"food");
      Click(edit, kIdcItemEditSaveAndNew);
      EXPECT_FALSE(edit.HasEnded());
      EXPECT_EQ(Form(edit), (Fields{"", "", "", ""}));
      EXPECT_EQ(Row(list, 3), (Fields{"bread", "2", "food", "0.67"}));
      ExpectTotals(list, "0.00", "12.42");
      CloseWithCaptionOk(edit);
    });
  });
  ExpectStored(kList + u"0  bread  2  food  0.67\n");
}

// Only quantity and unit price change; the name and catalog stay the item's.
TEST_F(ShoppingListTest, EditShowsTheItemAndWritesBackItsNewQuantityAndPrice) {
  OpenStored(kList, [&](Dialog& list) {
    SelectRow(list, kIdcShoppingListTable, 0);
    RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
      EXPECT_EQ(Form(edit), (Fields{"milk", "1", "8.00", "food"}));
      EXPECT_TRUE(edit.EditItem(kIdcItemEditName).IsReadOnly()) << "name";
      EXPECT_FALSE(IsEnabled(edit, kIdcItemEditCatalog)) << "catalog";
      EXPECT_FALSE(IsEnabled(edit, kIdcItemEditSaveAndNew)) << "Save & New";
      EXPECT_TRUE(HasFocusWithAllSelected(edit, kIdcItemEditQty));
      TypeInto(edit, kIdcItemEditQty, u"0003");  // written back as 3: the zeros take no room
      TypeInto(edit, kIdcItemEditUnitPrice, u"3.5");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(Row(list, 0), (Fields{"milk", "3", "food", "10.50"}));
  });
  ExpectStored(u"\uFEFF\n1  milk  3  food  10.50\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n");
}

// The store's message comes first; Item Edit stays open and the table keeps its rows.
TEST_F(ShoppingListTest, AnAddEditOrDeleteThatCannotBeWrittenSaysSoAndChangesNothing) {
  OpenStored(kList, [&](Dialog& list) {
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      FailingOperation fault(FileOperation::Write);
      ScopedFileFaults installed(fault);
      FillItem(edit, u"gum", u"1", u"2", u"food");
      script_.ExpectMessage(u"Failed to save item.");
      script_.ExpectMessage(u"Failed to write item to file.");
      Click(edit, kIdcItemEditSaveAndExit);
      EXPECT_FALSE(edit.HasEnded());
      CloseWithCaptionOk(edit);
    });
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 3) << "after the add";
    FailingOperation fault(FileOperation::Replace);
    ScopedFileFaults installed(fault);
    const std::u16string updateFailed = u"Failed to update shopping list file";
    ChangeQuantity(list, 1, u"5", {updateFailed, u"Failed to update item to file."});
    EXPECT_EQ(Row(list, 1), (Fields{"soap", "1", "home", "2.25"})) << "after the edit";
    DeleteRow(list, 2, {updateFailed});
    EXPECT_EQ(Row(list, 2), (Fields{"tea", "1", "food", "1.50"})) << "after the delete";
    ExpectTotals(list, "0.00", "11.75");
  });
  ExpectStored(kList);
}

// Each refusal is tried with both save buttons. Two spaces apart the longest
// fields would pass a reader's 71 characters, so a list in single spaces is
// added to in single spaces; letter case makes another name.
TEST_F(ShoppingListTest, ItemEditRefusesPastEachLimitStaysOpenAndTakesTheLimitItself) {
  const std::u16string name31(31, u'n');
  const std::u16string tooLarge = u"The price is too large. Please input a smaller unit price.";
  const struct {
    std::u16string name, qty, unitPrice, catalog, message;
  } cases[] = {
      {u"", u"", u"", u"", u"Please input the item name."},
      {u"jam", u"1", u"2", u"", u"Please input the item catalog."},
      {u"ice  cream", u"1", u"2", u"food",
       u"Please input the item name without leading, trailing or double spaces."},
      {u"jam", u"1", u"2", u"cold drinks ",
       u"Please input the item catalog without leading, trailing or double spaces."},
      {u"jam", u"1", u"2", u"garden furniture",
       u"Please input an item catalog of at most 15 characters."},
      {name31 + u"n", u"1", u"2", u"food", u"Please input an item name of at most 31 characters."},
      {u"jam", u"0001", u"2", u"food", u"Please input a quantity of at most 3 digits."},
      {u"jam", u"999", u"1e10", u"food", tooLarge},  // 9990000000000.00
      {u"jam", u"1", u"1e999", u"food", tooLarge},
      {u"milk", u"1", u"2", u"food", u"Item exists. Please input a different name."},
  };
  OpenStored(u"\uFEFF\n0 milk 2 food 1.00\n", [&](Dialog& list) {
    for (const int save : {kIdcItemEditSaveAndExit, kIdcItemEditSaveAndNew}) {
      RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
        for (const auto& c : cases) {
          FillItem(edit, c.name, c.qty, c.unitPrice, c.catalog);
          script_.ExpectMessage(c.message);
          Click(edit, save);
          EXPECT_FALSE(edit.HasEnded()) << ToUtf8(c.message);
        }
        EXPECT_TRUE(HasFocusWithAllSelected(edit, kIdcItemEditName)) << "after a taken name";
        const bool exit = save == kIdcItemEditSaveAndExit;
        FillItem(edit, exit ? name31 : u"Milk", u"999", u"1e9",
                 exit ? u"household goods" : u"food");
        Click(edit, save);
        EXPECT_EQ(edit.HasEnded(), exit) << "saved at the limits";
        if (!exit) CloseWithCaptionOk(edit);
      });
    }
  });
  ExpectStored(u"\uFEFF\n0 milk 2 food 1.00\n0 " + name31 +
               u" 999 household\u00A0goods 999000000000.00\n0  Milk  999  food  999000000000.00\n");
}

TEST_F(ShoppingListTest, AnInfinitePriceGivesTotalsThatAreTooLarge) {
  OpenStored(u"\uFEFF\n0 milk 2 food 1e999\n", [&](Dialog& list) {
    ExpectTotals(list, "too large", "too large");  // 0 × inf
    Click(list, kIdcWithTax);
    ExpectTotals(list, "too large", "too large");
  });
}

// No-break spaces keep words apart in the file; the screen shows spaces. The
// list's own catalogs of up to 15 characters follow the standard 13, and one
// no entry holds is kept.
TEST_F(ShoppingListTest, NamesWithSpacesAndTheListsOwnCatalogsAreOfferedShownAndKept) {
  StoreList(u"list",
            u"\uFEFF\n0  milk  2  dairy\u00A0and\u00A0bread  2.00\n0  peas  1  frozen-and-chilled  "
            u"1.00\n");
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(Row(list, 0), (Fields{"milk", "2", "dairy and bread", "2.00"}));
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      const DropDownList& catalogs = edit.DropDownItem(kIdcItemEditCatalog);
      EXPECT_EQ(catalogs.Count(), 14) << "frozen-and-chilled is too long to offer";
      EXPECT_EQ(catalogs.TextAt(5), u"dairy and bread");  // after books
      FillItem(edit, u"olive oil", u"2", u"3.5", u"cold drinks");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(Row(list, 2), (Fields{"olive oil", "2", "cold drinks", "7.00"}));
    ChangeQuantity(list, 1, u"3");
  });
  ExpectStored(
      u"\uFEFF\n0  milk  2  dairy\u00A0and\u00A0bread  2.00\n"
      u"0  peas  3  frozen-and-chilled  3.00\n0  olive\u00A0oil  2  cold\u00A0drinks  7.00\n");
}

// The title is no row: ticks are saved and a delete leaves it the title.
TEST_F(ShoppingListTest, ATitledListShowsItsItemsAndKeepsItsTitle) {
  OpenStored(u"Weekly shop\n0  milk  2  food  2.00\n0  tea  1  food  3.50\n", [&](Dialog& list) {
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 2);
    ToggleTick(list, kIdcShoppingListTable, 1);
    DeleteRow(list, 0);
  });
  ExpectStored(u"Weekly shop\n1  tea  1  food  3.50\n");
}

// Every read fails here, the tax file's too: no state, so no tax either.
TEST_F(ShoppingListTest, AListThatCannotBeReadOpensEmptyWithItsMessage) {
  StoreList(u"list", kList);
  FailingOperation fault(FileOperation::Read);
  ScopedFileFaults installed(fault);
  script_.ExpectMessage(u"Read tax file failed!");
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"list");
    script_.ExpectMessage(u"Failed to open list file.");
    script_.ExpectMessage(u"Failed to load list file.");
    script_.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& list) {
      EXPECT_EQ(Shown(list, kIdcShoppingListTitle), "list");
      EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 0);
      script_.ExpectMessage(u"Set your local sales tax firstly.");
      Click(list, kIdcWithTax);
      EXPECT_FALSE(list.CheckBoxItem(kIdcWithTax).IsChecked());
      CloseWithCaptionOk(list);
    });
    Click(page, kIdcShoplistEdit);
  });
}

// Ticks are saved line by line, whatever else the lines hold. Portrait and landscape
// open their own Shopping List; "View" allows ticking and tax, not Delete.
TEST_F(ShoppingListTest, EveryTickIsSavedWhenAWindowOpensAboveOrTheListCloses) {
  const std::function<void(Dialog&)> leave[] = {
      [this](Dialog& list) {
        script_.ExpectMessage(kAskDelete, MessageResult::No);
        Click(list, kIdcShoppingListDelete);
      },
      [this](Dialog& list) {
        script_.ExpectDialog(kIddTaxSetup, [this](Dialog& setup) {
          ChooseEntry(setup, kIdcStateList, u"IN");
          script_.ExpectMessage(u"Sales tax setting is saved successfully.");
          Click(setup, kIdcSetAndSave);
        });
        Click(list, kIdcStateButton);
        ExpectTotals(list, "0.16", "11.91");  // Indiana's 7 % of 2.25; food untaxed
      },
      CloseWithCaptionOk, PressEscape};
  for (const bool viewOnly : {false, true}) {
    for (int way = viewOnly ? 1 : 0; way < 4; ++way) {
      const auto tickAndLeave = [&](Dialog& list) {
        for (const int row : {0, 1}) ToggleTick(list, kIdcShoppingListTable, row);
        SelectRow(list, kIdcShoppingListTable, 2);
        EXPECT_EQ(IsEnabled(list, kIdcShoppingListAdd), !viewOnly) << "Add";
        EXPECT_EQ(IsEnabled(list, kIdcShoppingListDelete), !viewOnly) << "Delete";
        leave[way](list);
        ExpectStored(
            u"\uFEFF\n0  milk  1  food  8.00\n1  soap  1  home  2.25\n0  tea  1  food  1.50\n");
      };
      StoreList(u"list", kList);
      OpenList(u"list", tickAndLeave, viewOnly, way % 2 ? kLandscape : kPortrait);
    }
  }
}

}  // namespace
}  // namespace tallyfox
