// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QFontMetrics>
#include <QLineEdit>

#include "platform/dialog_units.h"
#include "platform/relayout.h"
#include "platform/widgets.h"
#include "platform/zoom.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_setup_ids.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using namespace testing;
using Event = std::pair<int, Notify>;

// Logs its message map's calls, and how many boxes were shown at each cancel mode.
class Probe : public Dialog {
 public:
  explicit Probe(int templateNumber);
  std::vector<Event> log;
  std::vector<std::size_t> cancelModes;

 protected:
  void OnCancelMode() override { cancelModes.push_back(UiScript::Installed()->messages().size()); }

 private:
  void Record(Notification& n) { log.emplace_back(n.id, n.code); }
  static const MessageEntry<Probe> kMap[];
};

const MessageEntry<Probe> Probe::kMap[] = {
    {kIdcRateField, Notify::TextChange, &Probe::Record},
    {kIdcStateList, Notify::SelChange, &Probe::Record},
    {kIdcCustomizeRate, Notify::Clicked, &Probe::Record},
    {kIdcShoplistListBox, Notify::SelChange, &Probe::Record},
};

Probe::Probe(int templateNumber) : Dialog(templateNumber) { UseMessageMap(this, kMap); }

TEST(DialogTest, RectsMapThroughTheFontsBaseUnitsRoundingHalfAwayFromZero) {
  EXPECT_EQ(ToPixels({1, 4, 5, 7}, {6, 13}), (PixelRect{2, 7, 8, 11}));  // 1.5 6.5 7.5 11.375
  EXPECT_EQ(ToPixels({-1, -4, -5, -7}, {6, 13}), (PixelRect{-2, -7, -8, -11}));
}

// Every label's text fits its place at every zoom step, as at 100 %.
TEST(DialogTest, NoLabelIsCutAtAnyZoomStep) {
  for (const DialogTemplate* window : AllTemplates()) {
    const BaseUnits units = BaseUnitsOf(DialogFont(*window, kNormalZoom));
    for (int zoom = kSmallestZoom; zoom <= kLargestZoom; zoom += kZoomStep) {
      const QFontMetrics metrics(DialogFont(*window, zoom));
      for (const ItemTemplate& item : window->items) {
        if (item.kind != ControlKind::StaticText) continue;
        for (const QString& line : StaticCaption(item.caption).split(u'\n')) {
          EXPECT_LE(metrics.horizontalAdvance(line), ToPixels(item.rect, units, zoom).width)
              << window->number << " \"" << line.toStdString() << "\" at " << zoom;
        }
      }
    }
  }
}

TEST(DialogTest, UserActionsReachTheirHandlersAndCodeChangesDoNot) {
  Probe dialog(kIddTaxSetup);
  RunModally(dialog, [&] {
    TypeInto(dialog, kIdcRateField, u"75");
    ChooseEntry(dialog, kIdcStateList, u"CA");
    Click(dialog, kIdcCustomizeRate);
    Click(dialog, kIdcSetAndSave);  // no entry in the map
    dialog.SetItemText(kIdcRateField, u"7");
    EXPECT_EQ(dialog.log, (std::vector<Event>{{kIdcRateField, Notify::TextChange},
                                              {kIdcRateField, Notify::TextChange},
                                              {kIdcStateList, Notify::SelChange},
                                              {kIdcCustomizeRate, Notify::Clicked}}));
  });
}

TEST(DialogTest, ListBoxesSortCaseInsensitivelyAndLoseTheSelectionWithItsEntry) {
  Probe page(kIddShoplistPortrait);
  RunModally(page, [&] {
    ListBox& names = page.ListBoxItem(kIdcShoplistListBox);
    for (std::u16string_view name : {u"b", u"A", u"a", u"B", u"c"}) names.AddString(name);
    const std::u16string_view sorted[] = {u"A", u"a", u"b", u"B", u"c"};  // equals keep their order
    for (int i = 0; i < 5; ++i) EXPECT_EQ(names.TextAt(i), sorted[i]) << i;
    ChooseEntry(page, kIdcShoplistListBox, 2);
    names.DeleteString(3);
    EXPECT_EQ(names.CurSel(), 2) << "another entry's going keeps the selection";
    names.DeleteString(2);
    EXPECT_EQ(names.CurSel(), -1);
    EXPECT_EQ(page.log, (std::vector<Event>{{kIdcShoplistListBox, Notify::SelChange}}));
  });
}

TEST(DialogTest, DigitOnlyBoxesKeepOnlyTheDigitsZeroToNine) {
  Dialog edit(kIddItemEdit);
  RunModally(edit, [&] {
    TypeInto(edit, kIdcItemEditQty, u"1a-2.5 9");
    static_cast<QLineEdit*>(WidgetOf(edit.Item(kIdcItemEditQty)))->insert(u"\u0663\uFF12"_qs);
    EXPECT_EQ(edit.ItemText(kIdcItemEditQty), u"1259");
  });
}

TEST(DialogTest, ListViewColumnsComeWithHeadingsAndWidthsAndClearingThemEmptiesTheTable) {
  Dialog dialog(kIddShoppingListPortrait);
  RunModally(dialog, [&] {
    ListView& table = dialog.ListViewItem(kIdcShoppingListTable);
    const ListColumn columns[] = {{u"a", 10}, {u"b", 20}, {u"c", 30, ColumnAlign::Right}};
    table.SetColumns(columns);
    table.InsertItem(0, u"x");
    table.SetItemText(0, 1, std::u16string(40000, u'y'));  // past a cell's short length
    table.SetItemText(0, 2, u"z");
    EXPECT_EQ(table.ColumnHeading(1), u"b");
    EXPECT_EQ(table.ItemText(0, 0), u"x") << "first column";
    EXPECT_EQ(table.ItemText(0, 1).size(), 40000u) << "a long second column";
    EXPECT_EQ(table.ItemText(0, 2), u"z") << "third column";
    EXPECT_EQ(table.ColumnWidth(2), 30);
    QAbstractItemModel* model = static_cast<QAbstractItemView*>(WidgetOf(table))->model();
    EXPECT_FALSE(model->setData(model->index(0, 1), u"typed"_qs)) << "a cell takes no typing";
    table.ClearColumns();
    EXPECT_EQ(table.ColumnCount(), 0);
    EXPECT_EQ(table.ItemCount(), 0);
  });
}

// Unlike a click, code may leave both modes of a pair unchosen.
TEST(DialogTest, ARadioButtonCanBeCleared) {
  Dialog setup(kIddTaxSetup);
  RunModally(setup, [&] {
    setup.RadioItem(kIdcChooseState).SetChecked(true);
    setup.RadioItem(kIdcChooseState).SetChecked(false);
    EXPECT_FALSE(setup.RadioItem(kIdcChooseState).IsChecked());
    EXPECT_FALSE(setup.RadioItem(kIdcCustomizeRate).IsChecked());
  });
}

TEST(ModalTest, ScriptedRunsEndAsTheyAreEndedAndWhatOpensAboveSendsCancelModeFirst) {
  UiScript script;
  Probe outer(kIddTaxSetup);
  Probe inner(kIddAddList);
  script.ExpectDialog(kIddTaxSetup, [&](Dialog& running) {
    MessageBox(&running, u"Saved.");
    EXPECT_EQ(inner.DoModal(), 7);
    CloseWithCaptionOk(running);
  });
  script.ExpectMessage(u"Saved.").ExpectDialog(kIddAddList, [&](Dialog& running) {
    MessageBox(nullptr, u"Inner");
    running.EndDialog(7);
  });
  script.ExpectMessage(u"Inner");
  EXPECT_EQ(outer.DoModal(), kIdOk);
  EXPECT_EQ(outer.cancelModes, (std::vector<std::size_t>{0, 1}));
  EXPECT_EQ(inner.cancelModes, std::vector<std::size_t>{1});
  EXPECT_FALSE(outer.HasWindow());
  EXPECT_EQ(ActiveDialog(), nullptr);
  ExpectScriptMet(script);
}

TEST(ModalTest, WhatGoesAgainstTheScriptIsReportedAndNeverHangs) {
  UiScript script;
  script.ExpectMessage(u"Expected", MessageResult::No);
  EXPECT_EQ(Probe(kIddTaxSetup).DoModal(), kIdCancel);
  EXPECT_EQ(MessageBox(nullptr, u"Other", MessageButtons::YesNo), MessageResult::No);
  script.ExpectDialog(kIddTaxSetup, {});
  EXPECT_EQ(Probe(kIddTaxSetup).DoModal(), kIdCancel);
  MessageBoxReporter().Report(u"Surprise");
  script.ExpectDialog(kIddItemEdit, {}).ExpectMessage(u"Never");
  EXPECT_EQ(script.Failures(),
            (std::vector<std::string>{
                "unexpected dialog 132", "message \"Other\" where \"Expected\" was expected",
                "dialog 132 was left open", "unexpected message \"Surprise\"",
                "expected dialog 140 never ran", "expected message \"Never\" never came"}));
}

// The tab control is 158 x 167 dialog units upright and 209 x 129 turned.
TEST(RelayoutTest, MovesControlsBetweenTemplatesAndFailsWhereAnIdIsMissing) {
  Dialog window(kIddMainPortrait);
  RunModally(window, [&] {
    const PixelRect upright = window.Item(kIdcTabControl).Rect();
    EXPECT_TRUE(RelayoutFromTemplate(window, kIddMainLandscape));
    const PixelRect turned = window.Item(kIdcTabControl).Rect();
    EXPECT_NEAR(turned.width / double(upright.width), 209.0 / 158, 0.02) << "width";
    EXPECT_NEAR(turned.height / double(upright.height), 129.0 / 167, 0.02) << "height";
    EXPECT_TRUE(RelayoutFromTemplate(window, kIddMainPortrait));
    EXPECT_EQ(window.Item(kIdcTabControl).Rect(), upright) << "back upright";
    EXPECT_FALSE(RelayoutFromTemplate(window, kIddAddList)) << "without the tab control";
    EXPECT_FALSE(RelayoutFromTemplate(window, 999)) << "no such template";
  });
  // Items without an id all find the first: one may stand in a template, not two.
  for (const int layout : {kIddAddList, kIddTaxSetup}) {
    Dialog dialog(layout);
    RunModally(dialog, [&] {
      dialog.SetItemText(kIdcStatic, u"Changed");
      EXPECT_EQ(RelayoutFromTemplate(dialog, layout), layout == kIddAddList);
      EXPECT_NE(dialog.ItemText(kIdcStatic), u"Changed") << "the caption comes back";
    });
  }
}

}  // namespace
}  // namespace tallyfox
