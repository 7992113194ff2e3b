// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/user_input.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeView>
#include <algorithm>

#include "platform/widgets.h"
#include "res/main_ids.h"

namespace tallyfox::testing {
namespace {

template <class W>
W* WidgetOf(const Dialog& dialog, int id) {
  auto* widget = dynamic_cast<W*>(WidgetOf(dialog.Item(id)));
  EXPECT_NE(widget, nullptr) << "control " << id << " is not of the expected kind";
  return widget;
}

// A user types and clicks into the window in front: only there does a click
// bring the focus, or Alt reach a button.
QWidget* ActiveWindowOf(const Dialog& dialog) {
  QWidget* window = WidgetOf(dialog)->window();
  QApplication::setActiveWindow(window);
  return window;
}

}  // namespace

void Click(const Dialog& dialog, int id) {
  auto* button = WidgetOf<QAbstractButton>(dialog, id);
  if (button == nullptr) return;
  EXPECT_TRUE(button->isEnabled()) << "clicking disabled control " << id;
  QTest::mouseClick(button, Qt::LeftButton);
}

void TypeInto(const Dialog& dialog, int id, std::u16string_view text) {
  auto* combo = dynamic_cast<QComboBox*>(WidgetOf(dialog.Item(id)));
  auto* edit = combo != nullptr ? combo->lineEdit() : WidgetOf<QLineEdit>(dialog, id);
  ASSERT_NE(edit, nullptr) << "control " << id << " takes no typing";
  edit->setFocus();
  edit->selectAll();
  if (text.empty()) {
    QTest::keyClick(edit, Qt::Key_Delete);
  } else {
    QTest::keyClicks(edit, ToQString(text));
  }
}

void ChooseEntry(const Dialog& dialog, int id, int index) {
  QWidget* widget = WidgetOf(dialog.Item(id));
  if (auto* combo = dynamic_cast<QComboBox*>(widget)) {
    combo->setCurrentIndex(index);
    emit combo->activated(index);
  } else if (auto* list = dynamic_cast<QListWidget*>(widget)) {
    list->setCurrentRow(index);
  } else {
    ADD_FAILURE() << "control " << id << " has no entries to choose";
  }
}

void ChooseEntry(const Dialog& dialog, int id, std::u16string_view text) {
  const auto& list = dynamic_cast<const ListControl&>(dialog.Item(id));
  const int index = list.FindExact(text);
  ASSERT_GE(index, 0) << "no entry " << ToQString(text).toStdString() << " in control " << id;
  ChooseEntry(dialog, id, index);
}

void SelectTab(const Dialog& dialog, int id, int index) {
  auto* tabs = WidgetOf<TabControlWidget>(dialog, id);
  if (tabs == nullptr) return;
  QTabBar* bar = tabs->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

void SelectRow(const Dialog& dialog, int listViewId, int row) {
  auto* view = WidgetOf<QTreeView>(dialog, listViewId);
  if (view == nullptr) return;
  view->setCurrentIndex(view->model()->index(row, 0));
}

// Ticks as the view does on a click in the box or the space bar.
void ToggleTick(const Dialog& dialog, int listViewId, int row) {
  auto* view = WidgetOf<QTreeView>(dialog, listViewId);
  if (view == nullptr) return;
  const QModelIndex box = view->model()->index(row, 0);
  const bool ticked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
  view->model()->setData(box, ticked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
}

void CloseWithCaptionOk(const Dialog& dialog) { WidgetOf(dialog)->close(); }

void ClickInto(const Dialog& dialog, int id) {
  auto* edit = WidgetOf<QLineEdit>(dialog, id);
  if (edit == nullptr) return;
  ActiveWindowOf(dialog);
  QTest::mouseClick(edit, Qt::LeftButton, {}, edit->rect().center());
}

void PressKeys(const Dialog& dialog, std::u16string_view keys) {
  QWidget* window = ActiveWindowOf(dialog);
  QTest::keySequence(window->focusWidget() != nullptr ? window->focusWidget() : window,
                     QKeySequence(ToQString(keys)));
  // A mnemonic presses its button as a click would be seen: down, then up
  // a moment later. Waiting for that is no limit on time.
  const auto isDown = [](const QAbstractButton* button) { return button->isDown(); };
  while (std::ranges::any_of(window->findChildren<QAbstractButton*>(), isDown)) QTest::qWait(10);
}

void PressEscape(const Dialog& dialog) { PressKeys(dialog, u"Escape"); }

void ExpectScriptMet(const UiScript& script) {
  for (const std::string& failure : script.Failures()) ADD_FAILURE() << failure;
}

void RunHosted(UiScript& script, Dialog& page, const std::function<void()>& actions) {
  script.ExpectDialog(kIddMainPortrait, [&](Dialog& host) {
    page.Create(host.Item(kIdcTabControl));
    page.ShowWindow(true);
    actions();
    page.DestroyWindow();
    host.EndDialog(kIdOk);
  });
  Dialog(kIddMainPortrait).DoModal();
}

int RunModally(Dialog& dialog, const std::function<void()>& actions) {
  UiScript script;
  script.ExpectDialog(dialog.templateNumber(), [&](Dialog&) {
    actions();
    if (!dialog.HasEnded()) dialog.EndDialog(kIdOk);
  });
  const int result = dialog.DoModal();
  ExpectScriptMet(script);
  return result;
}

}  // namespace tallyfox::testing
