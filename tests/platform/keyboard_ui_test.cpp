// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "calc/sale_page.h"
#include "platform/keyboard_cues.h"
#include "platform/widgets.h"
#include "res/tax_setup_ids.h"
#include "support/program_harness.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

using namespace testing;

class KeyboardTest : public ProgramTest {
 protected:
  // The Sale page as the program shows it, the first price box focused.
  void WithSalePage(const std::function<void(CDialogTab2&)>& actions) {
    CDialogTab2 page(values_);
    RunHosted(script_, page, [&] {
      page.ResetRows();
      page.FocusFirstPrice();
      actions(page);
    });
  }

  ProgramValues values_{folder_.path(), {u"CA", u"0"}, {}, false, RunTaxSetup};
};

bool HasFocus(const Dialog& dialog, int id) {
  const QWidget* widget = WidgetOf(dialog.Item(id));
  return widget->window()->focusWidget() == widget;
}

TEST_F(KeyboardTest, EnterPressesTheDefaultButtonOrTheFocusedOne) {
  WithSalePage([&](CDialogTab2& page) {
    Click(page, kIdcWithTax);
    TypeInto(page, kSaleQtyIds[0], u"2");
    TypeInto(page, kSalePriceIds[0], u"6");
    PressKeys(page, u"Return");
    EXPECT_EQ(Shown(page, kIdcSaleTotal), "12.87") << "Calc, with CA's 7.25 % on 12";
    script_.ExpectDialog(kIddTaxSetup, [&](Dialog& setup) {
      ChooseEntry(setup, kIdcStateList, u"TX");
      script_.ExpectMessage(u"Sales tax setting is saved successfully.");
      PressKeys(setup, u"Return");
      EXPECT_TRUE(setup.HasEnded()) << "Set & Save";
    });
    page.Item(kIdcStateButton).SetFocus();
    PressKeys(page, u"Return");
    EXPECT_EQ(Shown(page, kIdcStateButton), "TX");
    page.Item(kIdcSaleClear).SetFocus();
    PressKeys(page, u"Return");
    EXPECT_EQ(Shown(page, kIdcSaleTotal), "") << "C, not Calc";
    EXPECT_EQ(Shown(page, kSaleQtyIds[0]), "1") << "C, not Calc";
  });
}

// The letter is a mark beside the caption: the caption itself is unchanged.
TEST_F(KeyboardTest, AltWithALetterPressesItsButtonWhichUnderlinesItOnlyWhileAltIsDown) {
  WithSalePage([&](CDialogTab2& page) {
    TypeInto(page, kSalePriceIds[0], u"12");
    PressKeys(page, u"Alt+W");
    PressKeys(page, u"Alt+A");
    EXPECT_EQ(Shown(page, kIdcSaleTotal), "12.87");
    EXPECT_EQ(Shown(page, kIdcSaleCalc), "Calc");
    auto* calc = static_cast<QAbstractButton*>(WidgetOf(page.Item(kIdcSaleCalc)));
    EXPECT_EQ(calc->text(), QStringLiteral("C&alc"));
    QWidget* focus = WidgetOf(page)->window()->focusWidget();
    EXPECT_FALSE(MnemonicsShown());
    QTest::keyPress(focus, Qt::Key_Alt, Qt::AltModifier);
    EXPECT_TRUE(MnemonicsShown());
    QTest::keyRelease(focus, Qt::Key_Alt);
    EXPECT_FALSE(MnemonicsShown());
  });
}

// Typing replaces a value clicked into: Qty "1", click, 3 gives 3, not 13.
// Tab passes over the results; the mouse still reaches them.
TEST_F(KeyboardTest, NumberBoxesSelectAllOnEntryAndTabSkipsTheResults) {
  WithSalePage([&](CDialogTab2& page) {
    ClickInto(page, kSaleQtyIds[0]);
    PressKeys(page, u"3");
    EXPECT_EQ(Shown(page, kSaleQtyIds[0]), "3");
    PressKeys(page, u"Tab");
    EXPECT_TRUE(HasFocusWithAllSelected(page, kSalePriceIds[1]));
    page.Item(kSaleQtyIds[15]).SetFocus();
    PressKeys(page, u"Tab");
    EXPECT_TRUE(HasFocus(page, kIdcSaleClear));
    for (int i = 0; i < 3; ++i) PressKeys(page, u"Tab");  // "With tax", "...", not Tax or Total
    EXPECT_TRUE(HasFocus(page, kIdcSaleCalc));
    ClickInto(page, kSaleResultIds[0]);
    EXPECT_TRUE(HasFocus(page, kSaleResultIds[0]));
  });
}

// With one list the keys that move choose it, Enter opens it, and the
// same keys choose its only item.
TEST_F(KeyboardTest, KeysChooseTheOnlyListAndEnterOpensIt) {
  StoreList(u"milk", u"\uFEFF\n0  tea  2  food  3.00\n");
  RunPage([&](CDialogTab4& page) {
    ListBox& lists = page.ListBoxItem(kIdcShoplistListBox);
    lists.SetFocus();
    for (const char16_t* key : {u"Down", u"Up", u"Home", u"End", u"Space"}) {
      lists.SetCurSel(-1);
      PressKeys(page, key);
      EXPECT_EQ(lists.CurSel(), 0) << ToUtf8(key);
    }
    EXPECT_TRUE(IsEnabled(page, kIdcShoplistEdit));
    script_.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& list) {
      ListView& items = list.ListViewItem(kIdcShoppingListTable);
      items.SetFocus();
      PressKeys(list, u"End");
      EXPECT_EQ(items.SelectedRows(), std::vector<int>{0});
      CloseWithCaptionOk(list);
    });
    PressKeys(page, u"Return");
  });
}

TEST(MessageBoxTest, EnterAnswersADeleteQuestionWithNo) {
  const auto box = MakeMessageBox(nullptr, kAskDelete, MessageButtons::YesNo);
  box->show();
  QTest::keyClick(box.get(), Qt::Key_Return);
  EXPECT_EQ(box->clickedButton(), box->button(QMessageBox::No));
  EXPECT_EQ(box->text(), ToQString(kAskDelete));
}

}  // namespace
}  // namespace tallyfox
