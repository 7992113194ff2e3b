// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "calc/sale_page.h"
#include "converter/converter_page.h"
#include "platform/widgets.h"
#include "res/calc_ids.h"
#include "res/converter_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

using namespace testing;

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window->windowHandle(), key, modifiers);
}

void Activate(QWidget* window) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

// Tab goes round the window's stops back to where it started, each with a
// name to speak; Shift+Tab goes back one. Gives the number of stops. A page
// switch may leave the focus on the tab control, no stop itself: the walk
// then starts at the first stop Tab reaches. A walk that never comes back ends at 100.
std::size_t ExpectTabWalk(QWidget* window) {
  if (!(QApplication::focusWidget()->focusPolicy() & Qt::TabFocus)) Press(window, Qt::Key_Tab);
  std::vector<QWidget*> visited = {QApplication::focusWidget()};
  do {
    const QString name =
        QAccessible::queryAccessibleInterface(visited.back())->text(QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty()) << visited.back()->metaObject()->className();
    Press(window, Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  } while (visited.back() != visited.front() && visited.size() <= 100);
  Press(window, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), visited[visited.size() - 2]);
  return visited.size() - 1;
}

class AccessibilityTest : public testing::ProgramTest {
 protected:
  // Runs Tax Setup; `actions` act on it, and it is cancelled where they leave it open.
  bool RunTaxSetupWith(const std::function<void(Dialog&)>& actions) {
    ProgramValues values;
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      actions(setup);
      if (!setup.HasEnded()) setup.EndDialog(kIdCancel);
    });
    return RunTaxSetup(values);
  }
};

// From the Shoplist tab: Ctrl+Tab and Ctrl+PageDown go on, Ctrl+PageUp back.
TEST_F(AccessibilityTest, KeysSwitchPagesAndTabWalksNamedStopsOnEveryPage) {
  for (const ScreenGeometry screen : {testing::kPortrait, testing::kLandscape}) {
    RunPage(
        [&](CDialogTab4& shoplist) {
          QWidget* window = WidgetOf(shoplist)->window();
          Activate(window);
          // The tab strip and each page's own stops: Sale's 16 rows of quantity,
          // price and percent and four below them; the Shoplist's list and "Add"; the
          // About page's link, once as the label and once as its address.
          const std::tuple<Qt::Key, int, std::size_t> steps[] = {
              {Qt::Key_PageDown, 3, 6}, {Qt::Key_Tab, 4, 3},    {Qt::Key_Tab, 0, 53},
              {Qt::Key_PageUp, 4, 3},   {Qt::Key_PageUp, 3, 6}, {Qt::Key_PageUp, 2, 3},
              {Qt::Key_PageUp, 1, 6}};
          for (const auto& [key, tab, stops] : steps) {
            Press(window, key, Qt::ControlModifier);
            EXPECT_EQ(window->findChild<QTabBar*>()->currentIndex(), tab);
            EXPECT_EQ(shoplist.IsWindowVisible(), tab == 2) << tab;
            EXPECT_EQ(ExpectTabWalk(window), stops)
                << "tab " << tab << " turned " << screen.orientation;
          }
        },
        screen);
  }
}

// From "Set && Save" Tab goes round to "Customize", Space picks it, Escape leaves.
TEST_F(AccessibilityTest, TaxSetupByKeyboardAlone) {
  EXPECT_FALSE(RunTaxSetupWith([&](Dialog& setup) {
    Activate(WidgetOf(setup));
    EXPECT_EQ(ExpectTabWalk(WidgetOf(setup)), 5u);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})
      Press(WidgetOf(setup), key);
    EXPECT_TRUE(setup.RadioItem(kIdcCustomizeRate).IsChecked());
    Press(WidgetOf(setup), Qt::Key_Escape);
    EXPECT_TRUE(setup.HasEnded());
  })) << "Escape cancels";
}

QAccessibleInterface* Account(const Dialog& dialog, int id) {
  return QAccessible::queryAccessibleInterface(WidgetOf(dialog.Item(id)));
}

std::string Name(QAccessibleInterface* account) {
  return account->text(QAccessible::Name).toStdString();
}

// What the reader says labels the control, as it does for a drop-down list.
std::string LabelOf(const Dialog& dialog, int id) {
  std::string labels;
  for (const auto& [label, relation] : Account(dialog, id)->relations(QAccessible::Label)) {
    labels += (labels.empty() ? "" : " / ") + Name(label);
  }
  return labels;
}

TEST_F(AccessibilityTest, EachPageIsAPanelNamedAfterItsTab) {
  RunPage([&](CDialogTab4& shoplist) {
    EXPECT_EQ(Name(QAccessible::queryAccessibleInterface(WidgetOf(shoplist))), "Shoplist");
    std::vector<std::string> names;
    for (auto* page : WidgetOf(shoplist)->parentWidget()->findChildren<DialogWidget*>()) {
      QAccessibleInterface* account = QAccessible::queryAccessibleInterface(page);
      EXPECT_EQ(account->role(), QAccessible::Pane) << Name(account);
      names.push_back(Name(account));
    }
    std::ranges::sort(names);
    EXPECT_EQ(names,
              (std::vector<std::string>{"About", "Converter", "Discount", "Sale", "Shoplist"}));
  });
}

// In state mode the rate box shows its text and cannot be typed in.
TEST_F(AccessibilityTest, TaxSetupRateBoxIsReadOnlyUntilCustomizeIsChosen) {
  RunTaxSetupWith([&](Dialog& setup) {
    EXPECT_TRUE(Account(setup, kIdcRateField)->state().readOnly) << "state mode";
    Click(setup, kIdcCustomizeRate);
    EXPECT_FALSE(Account(setup, kIdcRateField)->state().readOnly) << "custom rate";
    EXPECT_TRUE(Account(setup, kIdcRateField)->state().editable) << "custom rate";
  });
}

// Text set through the reader is checked and reaches the window as typing does.
TEST_F(AccessibilityTest, TextInsertedByTheReaderIsTypedIntoTheBox) {
  ProgramValues values;
  CDialogTab5 converter(values);
  RunHosted(script_, converter, [&] {
    ChooseEntry(converter, kIdcCategoryList, 5);  // Temperature: 1 Celsius is 1.00 Celsius
    auto* text = Account(converter, kIdcValueField)->editableTextInterface();
    ASSERT_NE(text, nullptr);
    text->insertText(1, QStringLiteral("00"));
    ChooseEntry(converter, kIdcToUnitList, 1);
    EXPECT_EQ(Shown(converter, kIdcValueField), "100");
    EXPECT_EQ(Shown(converter, kIdcResultField), "212.00");
    EXPECT_EQ(Account(converter, kIdcResultField)->editableTextInterface(), nullptr);
  });
}

// The reader finds the selection where the box shows it, and can drop it.
TEST_F(AccessibilityTest, TheReaderSeesAndClearsTheSelectedText) {
  ProgramValues values;
  CDialogTab2 sale(values);
  RunHosted(script_, sale, [&] {
    TypeInto(sale, kIdcSaleFirstPrice, u"12345");
    QAccessibleTextInterface* text = Account(sale, kIdcSaleFirstPrice)->textInterface();
    EXPECT_EQ(text->selectionCount(), 0) << "after typing";
    static_cast<QLineEdit*>(WidgetOf(sale.Item(kIdcSaleFirstPrice)))->setSelection(1, 3);
    int start = -1, end = -1;
    text->selection(0, &start, &end);
    EXPECT_EQ(text->selectionCount(), 1) << "selected";
    EXPECT_EQ(std::pair(start, end), std::pair(1, 4)) << "from, to";
    text->removeSelection(0);
    EXPECT_EQ(text->selectionCount(), 0) << "dropped";
  });
}

TEST_F(AccessibilityTest, DropDownListsAreLabelled) {
  RunTaxSetupWith(
      [&](Dialog& setup) { EXPECT_EQ(LabelOf(setup, kIdcStateList), "Choose your state (U.S.)"); });
  ProgramValues values;
  CDialogTab5 converter(values);
  RunHosted(script_, converter, [&] {
    EXPECT_EQ(LabelOf(converter, kIdcFromUnitList), "From unit");
    EXPECT_EQ(LabelOf(converter, kIdcToUnitList), "To unit");
  });
}

// Its caption is only "C"; the reader says what it does.
TEST_F(AccessibilityTest, SaleClearButtonIsNamedClear) {
  ProgramValues values;
  CDialogTab2 sale(values);
  RunHosted(script_, sale, [&] { EXPECT_EQ(Name(Account(sale, kIdcSaleClear)), "Clear"); });
}

TEST_F(AccessibilityTest, ShoppingListRowsAreCheckableTickedOrNot) {
  StoreList(u"list", u"\uFEFF\n0  milk  2  food  6.50\n1  tea  1  food  4.50\n");
  OpenList(u"list", [&](Dialog& list) {
    QAccessibleTableInterface* table = Account(list, kIdcShoppingListTable)->tableInterface();
    ASSERT_NE(table, nullptr);
    for (const int row : {0, 1}) {
      const QAccessible::State state = table->cellAt(row, 0)->state();
      EXPECT_TRUE(state.checkable) << "row " << row;
      EXPECT_EQ(state.checked, row == 1) << "row " << row;
    }
  });
}

}  // namespace
}  // namespace tallyfox
