// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QTabBar>
#include <QTest>

#include "platform/widgets.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

void Press(QWidget* window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QTest::keyClick(window->windowHandle(), key, modifiers);
}

void Activate(QWidget* window) {
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
}

// Tab goes round the window's stops back to where it started, each with a
// name to speak; Shift+Tab goes back one. Gives the number of stops.
std::size_t ExpectTabWalk(QWidget* window) {
  std::vector<QWidget*> visited = {QApplication::focusWidget()};
  do {
    const QString name =
        QAccessible::queryAccessibleInterface(visited.back())->text(QAccessible::Name);
    EXPECT_FALSE(name.trimmed().isEmpty()) << visited.back()->metaObject()->className();
    Press(window, Qt::Key_Tab);
    visited.push_back(QApplication::focusWidget());
  } while (visited.back() != visited.front() && visited.size() < 100);
  Press(window, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(QApplication::focusWidget(), visited[visited.size() - 2]);
  return visited.size() - 1;
}

using AccessibilityTest = testing::ProgramTest;

// From the Shoplist tab: Ctrl+Tab and Ctrl+PageDown go on, Ctrl+PageUp back.
TEST_F(AccessibilityTest, KeysSwitchPagesAndTabWalksNamedStopsOnEveryPage) {
  for (const ScreenGeometry screen : {testing::kPortrait, testing::kLandscape}) {
    RunPage(
        [&](CDialogTab4& shoplist) {
          QWidget* window = WidgetOf(shoplist)->window();
          Activate(window);
          const std::pair<Qt::Key, int> steps[] = {
              {Qt::Key_PageDown, 3}, {Qt::Key_Tab, 4},    {Qt::Key_Tab, 0},   {Qt::Key_PageUp, 4},
              {Qt::Key_PageUp, 3},   {Qt::Key_PageUp, 2}, {Qt::Key_PageUp, 1}};
          for (const auto& [key, tab] : steps) {
            Press(window, key, Qt::ControlModifier);
            EXPECT_EQ(window->findChild<QTabBar*>()->currentIndex(), tab);
            EXPECT_EQ(shoplist.IsWindowVisible(), tab == 2);
            EXPECT_GE(ExpectTabWalk(window), tab == 4 ? 1u : 2u) << tab;
          }
        },
        screen);
  }
}

// From "Set && Save" Tab goes round to "Customize", Space picks it, Escape leaves.
TEST_F(AccessibilityTest, TaxSetupByKeyboardAlone) {
  ProgramValues values;
  script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
    Activate(WidgetOf(setup));
    EXPECT_EQ(ExpectTabWalk(WidgetOf(setup)), 5u);
    for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})
      Press(WidgetOf(setup), key);
    EXPECT_TRUE(setup.RadioItem(kIdcCustomizeRate).IsChecked());
    Press(WidgetOf(setup), Qt::Key_Escape);
  });
  EXPECT_FALSE(RunTaxSetup(values));
}

}  // namespace
}  // namespace tallyfox
