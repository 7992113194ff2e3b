#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTest>
#include <QWidget>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "common/text.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "res/calc_ids.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"
#include "shoplist/add_list_dialog.h"
#include "shoplist/list_store.h"
#include "shoplist/shopping_list_dialog.h"
#include "support/temp_folder.h"
#include "support/user_input.h"
#include "tax/tax_rates.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

constexpr ScreenGeometry kPortrait{480, 640, 0};
constexpr ScreenGeometry kLandscape{640, 480, 90};
constexpr int kTabCount = 5;

QString SpokenName(QWidget* widget) {
  QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
  return spoken != nullptr ? spoken->text(QAccessible::Name).trimmed() : QString();
}

// How a failure names a widget: its kind and what a screen reader calls it.
std::string Describe(QWidget* widget) {
  return std::string(widget->metaObject()->className()) + " \"" + SpokenName(widget).toStdString() +
         "\"";
}

std::vector<std::string> Describe(const std::vector<QWidget*>& widgets) {
  std::vector<std::string> described;
  for (QWidget* widget : widgets) described.push_back(Describe(widget));
  return described;
}

// The widgets that Tab visits in `window`, in order, picked as Qt's own Tab
// handling picks them from the window's focus chain.
std::vector<QWidget*> TabChain(QWidget* window) {
  std::vector<QWidget*> chain;
  for (QWidget* w = window->nextInFocusChain(); w != window; w = w->nextInFocusChain()) {
    const bool takesTab = (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus;
    if (takesTab && w->isVisibleTo(window) && w->isEnabled() && w->focusProxy() == nullptr &&
        w->window() == window) {
      chain.push_back(w);
    }
  }
  return chain;
}

// The controls of `parts` that their templates make tab stops and that the
// user can reach now, in template order. A tab control's stop is its strip.
std::vector<QWidget*> TemplateTabStops(const std::vector<const Dialog*>& parts) {
  std::vector<QWidget*> stops;
  for (const Dialog* part : parts) {
    const auto& items = part->dialogTemplate().items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      QWidget* widget = part->controls()[i]->widget();
      if (auto* tabs = dynamic_cast<TabControlWidget*>(widget)) {
        stops.push_back(tabs->tabBar());
        continue;
      }
      if ((items[i].style & kTabStop) && !widget->isHidden() && widget->isEnabled()) {
        stops.push_back(widget);
      }
    }
  }
  return stops;
}

// A screen reader has a name for every control of the window, for every tab
// of its strip and for whatever Tab lands on, and Tab visits the tab stops in
// template order.
void ExpectUsableWithoutSight(const std::string& where, QWidget* window,
                              const std::vector<const Dialog*>& parts) {
  SCOPED_TRACE(where);
  for (const Dialog* part : parts) {
    for (const auto& control : part->controls()) {
      EXPECT_FALSE(SpokenName(control->widget()).isEmpty())
          << "control " << control->id() << " of template " << part->templateNumber();
      if (auto* tabs = dynamic_cast<TabControlWidget*>(control->widget())) {
        QAccessibleInterface* strip = QAccessible::queryAccessibleInterface(tabs->tabBar());
        ASSERT_NE(strip, nullptr);
        for (int tab = 0; tab < strip->childCount(); ++tab) {
          EXPECT_FALSE(strip->child(tab)->text(QAccessible::Name).isEmpty()) << "tab " << tab;
        }
      }
    }
  }
  const std::vector<QWidget*> chain = TabChain(window);
  for (QWidget* stop : chain) EXPECT_FALSE(SpokenName(stop).isEmpty()) << Describe(stop);
  EXPECT_EQ(Describe(chain), Describe(TemplateTabStops(parts)));
}

// Key presses go to the window as the window system delivers them, so that
// shortcuts and Tab work as for a real user.
void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window->windowHandle(), key, modifiers);
}

void Activate(QWidget* window) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

class AccessibilityTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script_.SetModulePath(folder_.path() / "tallyfox");
    folder_.WriteBytes("tax.ini", {'C', 0, 'A', 0, 0, 0, 0, 0, 0, 0, 0, 0});
    values_.appFolder = folder_.path();
    values_.taxSetting.stateCode = u"CA";
    class Ignored : public Reporter {
      void Report(std::u16string_view) override {}
    } ignored;
    ListStore store(folder_.path(), ignored);
    store.CreateList(u"groceries");
    store.AppendItem(u"groceries", {false, u"milk", u"2", u"food", u"6.50"});
    store.AppendItem(u"groceries", {false, u"soap", u"1", u"home", u"2.25"});
    state_.currentListName = u"groceries";
  }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  // Runs the program on `screen`; `actions` act on the running main window.
  void RunMainWindow(ScreenGeometry screen, const std::function<void(CTallyfoxDlg&)>& actions) {
    script_.SetScreen(screen);
    CTallyfoxDlg window;
    script_.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
      actions(window);
      if (!window.HasEnded()) testing::CloseWithCaptionOk(window);
    });
    window.DoModal();
  }

  testing::TempFolder folder_;
  UiScript script_;
  ProgramValues values_;
  ShoplistState state_;
};

TEST_F(AccessibilityTest, MainWindowOnEveryTabInBothPageSets) {
  struct PageSet {
    ScreenGeometry screen;
    std::string name;
  };
  for (const PageSet& set : {PageSet{kPortrait, "portrait"}, PageSet{kLandscape, "landscape"}}) {
    RunMainWindow(set.screen, [&](CTallyfoxDlg& main) {
      // What the names come to, and what the state button still tells.
      QWidget* price = main.SalePage().Item(kSalePriceIds[2]).widget();
      EXPECT_EQ(SpokenName(price), QStringLiteral("Price row 3"));
      QAccessibleInterface* state =
          QAccessible::queryAccessibleInterface(main.SalePage().Item(kIdcStateButton).widget());
      EXPECT_EQ(state->text(QAccessible::Name), QStringLiteral("Tax Setup"));
      EXPECT_EQ(state->text(QAccessible::Description), QStringLiteral("CA"));
      for (int tab = 0; tab < kTabCount; ++tab) {
        testing::SelectTab(main, kIdcTabControl, tab);
        ExpectUsableWithoutSight(set.name + " tab " + std::to_string(tab), main.widget(),
                                 {&main, &main.PageAt(tab)});
      }
    });
  }
}

TEST_F(AccessibilityTest, EveryModalDialog) {
  script_.ExpectDialog(kIddTaxSetup, [](Dialog& dialog) {
    ExpectUsableWithoutSight("Tax Setup", dialog.widget(), {&dialog});
    dialog.EndDialog(kIdCancel);
  });
  RunTaxSetup(values_);

  script_.ExpectDialog(kIddAddList, [](Dialog& dialog) {
    ExpectUsableWithoutSight("Add List", dialog.widget(), {&dialog});
    dialog.EndDialog(kIdCancel);
  });
  CDlgAddList(values_, state_).DoModal();

  CDlgShopList portrait(values_, state_);
  CDlgShopListL landscape(values_, state_);
  for (CDlgShopList* shopList : {&portrait, static_cast<CDlgShopList*>(&landscape)}) {
    script_.ExpectDialog(shopList->templateNumber(), [&](Dialog& list) {
      ExpectUsableWithoutSight("Shopping List " + std::to_string(list.templateNumber()),
                               list.widget(), {&list});
      script_.ExpectDialog(kIddItemEdit, [](Dialog& edit) {
        ExpectUsableWithoutSight("Item Edit", edit.widget(), {&edit});
        edit.EndDialog(kIdCancel);
      });
      testing::Click(list, kIdcShoppingListAdd);
      list.EndDialog(kIdCancel);
    });
    shopList->DoModal();
  }
}

TEST_F(AccessibilityTest, TabAndShiftTabWalkTheTabStopsRoundTheWindow) {
  script_.ExpectDialog(kIddTaxSetup, [](Dialog& dialog) {
    QWidget* window = dialog.widget();
    Activate(window);
    const std::vector<QWidget*> stops = TemplateTabStops({&dialog});
    ASSERT_GE(stops.size(), 3u);
    // From the first stop once round the window, either way.
    const auto walk = [&](Qt::Key key, Qt::KeyboardModifiers modifiers) {
      stops.front()->setFocus(Qt::TabFocusReason);
      std::vector<QWidget*> visited;
      for (std::size_t i = 0; i <= stops.size(); ++i) {
        visited.push_back(QApplication::focusWidget());
        Press(window, key, modifiers);
      }
      return Describe(visited);
    };
    std::vector<QWidget*> forward = stops;
    forward.push_back(stops.front());
    std::vector<QWidget*> backward = {stops.front()};
    backward.insert(backward.end(), stops.rbegin(), stops.rend());
    EXPECT_EQ(walk(Qt::Key_Tab, Qt::NoModifier), Describe(forward));
    EXPECT_EQ(walk(Qt::Key_Backtab, Qt::ShiftModifier), Describe(backward));
    dialog.EndDialog(kIdCancel);
  });
  RunTaxSetup(values_);
}

TEST_F(AccessibilityTest, KeysSwitchPages) {
  RunMainWindow(kPortrait, [](CTallyfoxDlg& main) {
    QWidget* window = main.widget();
    Activate(window);
    const TabControl& tabs = main.TabItem(kIdcTabControl);
    struct Step {
      Qt::Key key;
      Qt::KeyboardModifiers modifiers;
      int tab;
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::ControlModifier, 1},
        {Qt::Key_PageDown, Qt::ControlModifier, 2},
        {Qt::Key_PageDown, Qt::ControlModifier, 3},
        {Qt::Key_PageUp, Qt::ControlModifier, 2},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 1},
        {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, 0},
        {Qt::Key_PageUp, Qt::ControlModifier, 4},  // round to the last
        {Qt::Key_Tab, Qt::ControlModifier, 0},
        // On the strip itself, the arrows.
        {Qt::Key_Right, Qt::NoModifier, 1},
        {Qt::Key_Left, Qt::NoModifier, 0},
    };
    for (const Step& step : steps) {
      SCOPED_TRACE(step.tab);
      if (step.modifiers == Qt::NoModifier) {
        static_cast<TabControlWidget*>(tabs.widget())->tabBar()->setFocus(Qt::TabFocusReason);
      }
      Press(window, step.key, step.modifiers);
      EXPECT_EQ(tabs.CurSel(), step.tab);
      for (int tab = 0; tab < kTabCount; ++tab) {
        EXPECT_EQ(main.PageAt(tab).IsWindowVisible(), tab == step.tab) << "page " << tab;
      }
    }
  });
}

// Space presses the state button and the buttons of Tax Setup, and picks a
// radio button; Tab moves between them.
TEST_F(AccessibilityTest, TaxSetupByKeyboardAlone) {
  RunMainWindow(kPortrait, [&](CTallyfoxDlg& main) {
    Dialog& sale = main.SalePage();
    Activate(main.widget());
    sale.Item(kIdcStateButton).SetFocus();
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      QWidget* window = setup.widget();
      Activate(window);
      EXPECT_TRUE(setup.Item(kIdcChooseState).HasFocus());
      Press(window, Qt::Key_Tab);
      Press(window, Qt::Key_Tab);
      ASSERT_TRUE(setup.Item(kIdcCustomizeRate).HasFocus());
      Press(window, Qt::Key_Space);
      EXPECT_TRUE(setup.RadioItem(kIdcCustomizeRate).IsChecked());
      Press(window, Qt::Key_Tab);
      ASSERT_TRUE(setup.Item(kIdcRateField).HasFocus());
      for (char key : {'7', '.', '5'}) QTest::keyClick(window->windowHandle(), key);
      Press(window, Qt::Key_Tab);
      ASSERT_TRUE(setup.Item(kIdcSetAndSave).HasFocus());
      script_.ExpectMessage(u"Sales tax setting is saved successfully.");
      Press(window, Qt::Key_Space);
      EXPECT_TRUE(setup.HasEnded());
      if (!setup.HasEnded()) setup.EndDialog(kIdCancel);
    });
    // Straight to the focused button: a modal run inside the window system's
    // own key delivery would not see its window activated.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_TRUE(main.values().taxSetting.stateCode == kCustomRateCode);
    EXPECT_TRUE(main.values().taxSetting.customRateText == u"7.5");
  });
}

// Arrows move through a table's rows, Space ticks one, Escape leaves.
TEST_F(AccessibilityTest, ShoppingListByKeyboardAlone) {
  CDlgShopList shopList(values_, state_);
  script_.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& list) {
    QWidget* window = list.widget();
    Activate(window);
    ListView& table = list.ListViewItem(kIdcShoppingListTable);
    table.SetFocus();
    Press(window, Qt::Key_Down);
    Press(window, Qt::Key_Down);
    EXPECT_EQ(table.SelectedRows(), std::vector<int>{1});
    Press(window, Qt::Key_Space);
    EXPECT_TRUE(table.IsTicked(1));
    EXPECT_FALSE(table.IsTicked(0));
    Press(window, Qt::Key_Escape);
    EXPECT_TRUE(list.HasEnded());
  });
  EXPECT_EQ(shopList.DoModal(), kIdCancel);
}

}  // namespace
}  // namespace tallyfox
