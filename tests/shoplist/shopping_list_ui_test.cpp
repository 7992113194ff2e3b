// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QProcess>
#include <QTest>
#include <csignal>
#include <random>
#include <string>

#include "platform/print.h"
#include "platform/striped_rows.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;

const std::u16string kAskDelete = u"Are you sure you want to delete selected item?";

// Four items costing 23.24 together.
const std::u16string kFourItems =
    u"\uFEFF\n0  milk  2  food  6.50\n0  soap  1  home  2.25\n0  tea  3  food  4.50\n0  cap  1  "
    u"apparel  9.99\n";

std::string Row(const Dialog& list, int row) {
  std::string text;
  for (int column = 0; column < 4; ++column) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    text += (column > 0 ? " " : "") + ToUtf8(table.ItemText(row, column));
  }
  return text;
}

std::string Totals(const Dialog& list) {
  return Shown(list, kIdcShoppingListTax) + " / " + Shown(list, kIdcShoppingListTotal);
}

using ShoppingListTest = ProgramTest;

void ChooseFromMenu(const Dialog& window, int id, const QString& command) {
  for (QAction* action : WidgetOf(window.Item(id))->actions()) {
    if (action->text() == command) action->trigger();
  }
}

std::string Clipboard() { return QGuiApplication::clipboard()->text().toStdString(); }

// The printed page as pdftotext reads it back.
std::string PrintedText(const std::filesystem::path& pdf) {
  QProcess reader;
  reader.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), "-"});
  reader.waitForFinished();
  return reader.readAllStandardOutput().toStdString();
}

// Copied and printed as the window shows it (a tick not yet saved, the tax);
// the page's menu taxes a list at the stored state.
TEST_F(ShoppingListTest, CopyAndPrintGiveTheListAsShownAndTheTotalsSayHow) {
  StoreList(u"list", u"\uFEFF\n0  milk  1  food  8.00\n0  soap  1  home  2.25\n");
  // California taxes food at 0: 2.25 × 7.25 % = 0.163125.
  const std::string copied =
      "list\n☐ 1 milk (food) 8.00\n☑ 1 soap (home) 2.25\nTax:  0.16\nTotal:  10.41\n";
  const std::filesystem::path pdf = folder_.path() / "printed.pdf";
  OpenList(u"list", [&](Dialog& list) {
    ToggleTick(list, kIdcShoppingListTable, 1);
    Click(list, kIdcWithTax);
    EXPECT_EQ(ToUtf8(list.Item(kIdcShoppingListTax).ToolTip()),
              "Tax 0.16 = 8.00 × 0 % (CA food rate) + 2.25 × 7.25 % (CA)");
    QTest::keyClick(WidgetOf(list.Item(kIdcShoppingListTable)), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), copied);
    ScopedPrintToPdf printer(pdf);
    ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Print…"));
  });
  const std::string printed = PrintedText(pdf);
  for (const char* shown : {"list", "milk", "soap", "Tax:", "0.16", "Total:", "10.41"}) {
    EXPECT_NE(printed.find(shown), std::string::npos) << shown << " not in " << printed;
  }
  QGuiApplication::clipboard()->clear();
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"list");
    ChooseFromMenu(page, kIdcShoplistListBox, QStringLiteral("Copy as Text"));
  });
  EXPECT_EQ(Clipboard(), copied);
}

TEST_F(ShoppingListTest, TickedRowsAreStruckThroughAndLeftSaysWhatTheRestComesTo) {
  StoreList(u"list",
            u"\uFEFF\n1  milk  1  food  8.00\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n");
  OpenList(u"list", [&](Dialog& list) {
    const ListView& table = list.ListViewItem(kIdcShoppingListTable);
    EXPECT_TRUE(table.IsRowCrossedOut(0));
    EXPECT_FALSE(table.IsRowCrossedOut(1));
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 3.75");
    Click(list, kIdcWithTax);  // soap 2.413125 with California's tax, tea untaxed
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 3.91");
    ToggleTick(list, kIdcShoppingListTable, 1);
    EXPECT_TRUE(table.IsRowCrossedOut(1));
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft) + " " + Row(list, 1),
              "Left: 1.50 soap 1 home 2.25");
  });
}

void PressKeys(const Dialog& list, Qt::Key key, Qt::KeyboardModifiers modifiers) {
  QTest::keyClick(WidgetOf(list.Item(kIdcShoppingListTable)), key, modifiers);
}

const std::u16string kTickedList =
    u"\uFEFF\n1  milk  1  food  8.00\n0  soap  1  home  2.25\n1  tea  1  food  1.50\n";

TEST_F(ShoppingListTest, UntickAllClearsEveryTickInTheFileAtOnce) {
  StoreList(u"list", kTickedList);
  const std::string unticked =
      Utf16Le(u"\uFEFF\n0  milk  1  food  8.00\n0  soap  1  home  2.25\n0  tea  1  food  1.50\n");
  OpenList(u"list", [&](Dialog& list) {
    PressKeys(list, Qt::Key_U, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(StoredList(u"list"), unticked);
    EXPECT_EQ(Shown(list, kIdcShoppingListLeft), "Left: 11.75");
    ToggleTick(list, kIdcShoppingListTable, 2);
    ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Untick All"));
    EXPECT_FALSE(list.ListViewItem(kIdcShoppingListTable).IsTicked(2));
    EXPECT_EQ(StoredList(u"list"), unticked);
  });
}

// A second "Del" must not take a row the user never chose.
TEST_F(ShoppingListTest, ADeleteLeavesNoRowSelectedAndCtrlZPutsTheItemBackTickAndAll) {
  StoreList(u"list", kTickedList);
  OpenList(u"list", [&](Dialog& list) {
    SelectRow(list, kIdcShoppingListTable, 0);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(list, kIdcShoppingListDelete);
    EXPECT_TRUE(list.ListViewItem(kIdcShoppingListTable).SelectedRows().empty());
    PressKeys(list, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Row(list, 0) + " / " + Totals(list), "milk 1 food 8.00 / Tax:  0.00 / Total:  11.75");
    EXPECT_TRUE(list.ListViewItem(kIdcShoppingListTable).IsTicked(0));
    EXPECT_EQ(StoredList(u"list"), Utf16Le(kTickedList));
  });
}

TEST_F(ShoppingListTest, SpaceTicksTheCurrentRowFromAnyColumn) {
  StoreList(u"list", kTickedList);
  OpenList(u"list", [&](Dialog& list) {
    auto* view = static_cast<QAbstractItemView*>(WidgetOf(list.Item(kIdcShoppingListTable)));
    view->setCurrentIndex(view->model()->index(1, 2));  // soap's catalog
    PressKeys(list, Qt::Key_Space, Qt::NoModifier);
    EXPECT_TRUE(list.ListViewItem(kIdcShoppingListTable).IsTicked(1));
  });
}

// A disk with room for `bytes` more: a write past them fails as on a full disk.
class ScopedDiskRoom {
 public:
  explicit ScopedDiskRoom(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    signal(SIGXFSZ, SIG_IGN);
    const rlimit room{bytes, before_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &room);
  }
  ~ScopedDiskRoom() { setrlimit(RLIMIT_FSIZE, &before_); }

 private:
  rlimit before_{};
};

TEST_F(ShoppingListTest, PrintingToAFullDiskSaysSoAndLeavesNoFile) {
  StoreList(u"list", kTickedList);
  const std::filesystem::path pdf = folder_.path() / "printed.pdf";
  OpenList(u"list", [&](Dialog& list) {
    const ScopedDiskRoom full(512);
    const ScopedPrintToPdf printer(pdf);
    script_.ExpectMessage(u"Failed to print the list.");
    ChooseFromMenu(list, kIdcShoppingListTable, QStringLiteral("Print…"));
  });
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(ShoppingListTest, ItemsAreWrittenThroughAtOnceAndFailedWritesChangeNothing) {
  StoreList(u"list", u"\uFEFF\n1" + kFourItems.substr(3));
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).RowBackground(1), kOddRowBackground);
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      FillItem(edit, u"bread", u"2", u"0.333", u"food");
      Click(edit, kIdcItemEditSaveAndNew);
      EXPECT_EQ(Totals(list), "Tax:  0.00 / Total:  23.91");
      FillItem(edit, u"jam", u"3", u"1.5", u"toys");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    RunItemEdit(list, kIdcShoppingListAdd, CloseWithCaptionOk);
    EXPECT_EQ(Row(list, 4) + " / " + Row(list, 5), "bread 2 food 0.67 / jam 3 toys 4.50");
    EXPECT_EQ(Shown(list, kIdcShoppingListTotal), "Total:  28.41");

    SelectRow(list, kIdcShoppingListTable, 0);
    RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
      EXPECT_EQ(Shown(edit, kIdcItemEditName) + Shown(edit, kIdcItemEditQty) +
                    Shown(edit, kIdcItemEditUnitPrice) + Shown(edit, kIdcItemEditCatalog),
                "milk23.25food");
      EXPECT_TRUE(edit.EditItem(kIdcItemEditName).IsReadOnly());
      EXPECT_FALSE(IsEnabled(edit, kIdcItemEditCatalog) || IsEnabled(edit, kIdcItemEditSaveAndNew));
      EXPECT_TRUE(HasFocusWithAllSelected(edit, kIdcItemEditQty));
      TypeInto(edit, kIdcItemEditQty, u"0003");  // written back as 3: the zeros take no room
      TypeInto(edit, kIdcItemEditUnitPrice, u"3.5");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(Row(list, 0), "milk 3 food 10.50");
    SelectRow(list, kIdcShoppingListTable, 2);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(list, kIdcShoppingListDelete);
    EXPECT_FALSE(IsEnabled(list, kIdcShoppingListEdit) || IsEnabled(list, kIdcShoppingListDelete));

    // Failures: the store's message first; table, file and totals keep what was.
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      FailingOperation fault(FileOperation::Write);
      ScopedFileFaults installed(fault);
      FillItem(edit, u"gum", u"1", u"2", u"food");
      script_.ExpectMessage(u"Failed to save item.");
      script_.ExpectMessage(u"Failed to write item to file.");
      Click(edit, kIdcItemEditSaveAndExit);
      CloseWithCaptionOk(edit);
    });
    FailingOperation fault(FileOperation::Replace);
    ScopedFileFaults installed(fault);
    SelectRow(list, kIdcShoppingListTable, 1);
    script_.ExpectDialog(kIddItemEdit, [&](Dialog& edit) {
      TypeInto(edit, kIdcItemEditQty, u"5");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    script_.ExpectMessage(u"Failed to update shopping list file");
    script_.ExpectMessage(u"Failed to update item to file.");
    Click(list, kIdcShoppingListEdit);
    SelectRow(list, kIdcShoppingListTable, 2);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    script_.ExpectMessage(u"Failed to update shopping list file");
    Click(list, kIdcShoppingListDelete);
    EXPECT_EQ(Row(list, 1) + " / " + Row(list, 2), "soap 1 home 2.25 / cap 1 apparel 9.99");
    Click(list, kIdcWithTax);  // 16.74 of 27.91 is not food: 1.21365 at California's 7.25 %
    EXPECT_EQ(Totals(list), "Tax:  1.21 / Total:  29.12");
  });
  EXPECT_EQ(StoredList(u"list"),
            Utf16Le(u"\uFEFF\n1  milk  3  food  10.50\n0  soap  1  home  2.25\n0  cap  1  apparel  "
                    u"9.99\n0  bread  2  food  0.67\n0  jam  3  toys  4.50\n"));
}

TEST_F(ShoppingListTest, ItemEditRefusesWhatTheListCannotHoldAndStaysOpen) {
  const std::u16string name31(31, u'n');
  const std::u16string tooLarge = u"The price is too large. Please input a smaller unit price.";
  const std::u16string kLooseName =
      u"Please input the item name without leading, trailing or double spaces.";
  const std::u16string kLooseCatalog =
      u"Please input the item catalog without leading, trailing or double spaces.";
  const struct {
    std::u16string name, qty, unitPrice, catalog, message;
  } cases[] = {
      {u"", u"", u"", u"", u"Please input the item name."},
      {u"jam", u"1", u"2", u"", u"Please input the item catalog."},
      {u"ice  cream", u"1", u"2", u"food", kLooseName},
      {u" jam", u"1", u"2", u"food", kLooseName},
      {u"jam", u"1", u"2", u"cold drinks ", kLooseCatalog},
      {u"jam", u"1", u"2", u"garden furniture",
       u"Please input an item catalog of at most 15 characters."},
      {name31 + u"n", u"1", u"2", u"food", u"Please input an item name of at most 31 characters."},
      {u"jam", u"0001", u"2", u"food", u"Please input a quantity of at most 3 digits."},
      {u"jam", u"999", u"1e10", u"food", tooLarge},  // 9990000000000.00
      {u"jam", u"1", u"1e999", u"food", tooLarge},
      {u"milk", u"1", u"2", u"food", u"Item exists. Please input a different name."},
  };
  StoreList(u"list", u"\uFEFF\n0 milk 2 food 1e999\n");  // single spaces: never rewritten
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(Totals(list), "Tax:  too large / Total:  too large");  // 0 × inf
    Click(list, kIdcWithTax);
    EXPECT_EQ(Totals(list), "Tax:  too large / Total:  too large");  // inf
    for (const int save : {kIdcItemEditSaveAndExit, kIdcItemEditSaveAndNew}) {
      RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
        for (const auto& c : cases) {
          FillItem(edit, c.name, c.qty, c.unitPrice, c.catalog);
          script_.ExpectMessage(c.message);
          Click(edit, save);
          EXPECT_FALSE(edit.HasEnded());
        }
        EXPECT_TRUE(HasFocusWithAllSelected(edit, kIdcItemEditName));
        // Each limit itself is taken; letter case makes another name.
        FillItem(edit, save == kIdcItemEditSaveAndNew ? u"Milk" : name31, u"999", u"1e9",
                 save == kIdcItemEditSaveAndNew ? u"food" : u"household goods");
        Click(edit, save);
        if (!edit.HasEnded()) CloseWithCaptionOk(edit);
      });
    }
  });
  // Two spaces apart the longest fields would pass a reader's 71 characters.
  EXPECT_EQ(StoredList(u"list"), Utf16Le(u"\uFEFF\n0 milk 2 food 1e999\n0 " + name31 +
                                         u" 999 household\u00A0goods 999000000000.00\n0  Milk  "
                                         u"999  food  999000000000.00\n"));
}

// Words kept apart by spaces on screen and by no-break spaces in the file;
// the list's own catalogs are offered, and one no entry holds is kept.
TEST_F(ShoppingListTest, NamesWithSpacesAndOwnCatalogsAreAddedOfferedAndKept) {
  StoreList(u"list",
            u"\uFEFF\n0  milk  2  dairy\u00A0case  2.00\n0  peas  1  frozen-and-chilled  1.00\n");
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(Row(list, 0), "milk 2 dairy case 2.00");
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      const DropDownList& catalogs = edit.DropDownItem(kIdcItemEditCatalog);
      EXPECT_EQ(catalogs.Count(), 14) << "13 and dairy case; frozen-and-chilled is too long";
      EXPECT_EQ(catalogs.TextAt(5), u"dairy case");  // after books, in order
      FillItem(edit, u"olive oil", u"2", u"3.5", u"cold drinks");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    EXPECT_EQ(Row(list, 2), "olive oil 2 cold drinks 7.00");
    RunItemEdit(list, kIdcShoppingListAdd, [&](Dialog& edit) {
      EXPECT_EQ(edit.DropDownItem(kIdcItemEditCatalog).Count(), 15);
      EXPECT_EQ(Shown(edit, kIdcItemEditCatalog), "");
      CloseWithCaptionOk(edit);
    });
    for (const int row : {1, 2}) {
      SelectRow(list, kIdcShoppingListTable, row);
      RunItemEdit(list, kIdcShoppingListEdit, [&](Dialog& edit) {
        EXPECT_EQ(Shown(edit, kIdcItemEditCatalog),
                  row == 1 ? "frozen-and-chilled" : "cold drinks");
        TypeInto(edit, kIdcItemEditQty, u"3");
        Click(edit, kIdcItemEditSaveAndExit);
      });
    }
    EXPECT_EQ(Row(list, 1) + " / " + Row(list, 2),
              "peas 3 frozen-and-chilled 3.00 / olive oil 3 cold drinks 10.50");
  });
  EXPECT_EQ(StoredList(u"list"),
            Utf16Le(u"\uFEFF\n0  milk  2  dairy\u00A0case  2.00\n0  peas  3  frozen-and-chilled  "
                    u"3.00\n0  olive\u00A0oil  3  cold\u00A0drinks  10.50\n"));
}

// The title is no row: ticks are saved and a delete leaves it the title.
TEST_F(ShoppingListTest, ATitledListShowsItsItemsAndKeepsItsTitle) {
  StoreList(u"list",
            u"Weekly shop for the family\n0  milk  2  food  2.00\n0  tea  1  food  3.50\n");
  OpenList(u"list", [&](Dialog& list) {
    EXPECT_EQ(list.ListViewItem(kIdcShoppingListTable).ItemCount(), 2);
    ToggleTick(list, kIdcShoppingListTable, 1);
    SelectRow(list, kIdcShoppingListTable, 0);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(list, kIdcShoppingListDelete);
  });
  EXPECT_EQ(StoredList(u"list"), Utf16Le(u"Weekly shop for the family\n1  tea  1  food  3.50\n"));
}

// An edit that would take the list past its size limit is refused.
TEST_F(ShoppingListTest, AnEditPastTheSizeLimitIsRefusedWithItsMessages) {
  const std::u16string item = u"0  tea  1  food  1.00\n";
  StoreList(u"list", std::u16string(16 * 1024 * 1024 / 2 - item.size() - 1, u't') + u"\n" + item);
  const std::string before = StoredList(u"list");
  OpenList(u"list", [&](Dialog& list) {
    SelectRow(list, kIdcShoppingListTable, 0);
    script_.ExpectDialog(kIddItemEdit, [&](Dialog& edit) {
      TypeInto(edit, kIdcItemEditQty, u"10");
      Click(edit, kIdcItemEditSaveAndExit);
    });
    script_.ExpectMessage(u"Failed to update shopping list file");
    script_.ExpectMessage(u"Failed to update item to file.");
    Click(list, kIdcShoppingListEdit);
  });
  EXPECT_TRUE(StoredList(u"list") == before);
}

TEST_F(ShoppingListTest, AListThatCannotBeReadOpensEmptyWithItsMessage) {
  StoreList(u"list", kFourItems);
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
      script_.ExpectMessage(u"Set your local sales tax firstly.");  // no state: no tax
      Click(list, kIdcWithTax);
      EXPECT_FALSE(list.CheckBoxItem(kIdcWithTax).IsChecked());
      CloseWithCaptionOk(list);
    });
    Click(page, kIdcShoplistEdit);
  });
}

// Each tick lands in its own line. Portrait and landscape pages open their own
// Shopping List (the fixture expects its template); "View" allows ticking and tax.
TEST_F(ShoppingListTest, EveryTickIsSavedWhenAWindowOpensAboveOrTheListCloses) {
  const std::function<void(Dialog&)> ways[] = {
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
        Click(list, kIdcStateButton);  // 7 % of 150.00
        EXPECT_EQ(Shown(list, kIdcStateButton) + Totals(list), "INTax:  10.50 / Total:  160.50");
      },
      CloseWithCaptionOk, PressEscape};
  std::mt19937 random(7);
  for (const bool viewOnly : {false, true}) {
    for (int way = viewOnly ? 1 : 0; way < 4; ++way) {
      std::u16string stored = u"\uFEFF\n", expected = stored;
      std::vector<int> toggled;
      for (int i = 0; i < 150; ++i) {
        const bool ticked = random() % 2 != 0, toggle = random() % 3 == 0;
        if (toggle) toggled.push_back(i);
        const std::u16string rest = u"  item" + FromUtf8(std::to_string(i)) + u"  1  home  1.00\n";
        stored += (ticked ? u"1" : u"0") + rest;
        expected += (ticked != toggle ? u"1" : u"0") + rest;
      }
      StoreList(u"list", stored);
      const auto tickAndLeave = [&](Dialog& list) {
        EXPECT_EQ(IsEnabled(list, kIdcShoppingListAdd), !viewOnly);
        for (int row : toggled) ToggleTick(list, kIdcShoppingListTable, row);
        SelectRow(list, kIdcShoppingListTable, 3);
        EXPECT_EQ(IsEnabled(list, kIdcShoppingListDelete), !viewOnly);
        ways[way](list);
        EXPECT_TRUE(list.HasEnded() || !IsEnabled(list, kIdcShoppingListDelete)) << way;
        EXPECT_EQ(StoredList(u"list"), Utf16Le(expected)) << way;
      };
      OpenList(u"list", tickAndLeave, viewOnly, way % 2 ? kLandscape : kPortrait);
    }
  }
}

}  // namespace
}  // namespace tallyfox
