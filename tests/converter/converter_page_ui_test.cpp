// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

#include "converter/converter_page.h"
#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;

// "table" when the shoe table shows, then the visible fields' texts, "(off)" when disabled.
std::string Shown(const Dialog& page) {
  std::string shown = page.Item(kIdcShoeTable).IsVisible() ? "table" : "";
  for (const int id : {kIdcValueField, kIdcResultField, kIdcExchangeRateField, kIdcSetRate}) {
    if (!page.Item(id).IsVisible()) continue;
    shown += (shown.empty() ? "" : " ") + ToUtf8(page.ItemText(id));
    if (!page.Item(id).IsEnabled()) shown += "(off)";
  }
  return shown;
}

void Choose(const Dialog& page, ConverterCategory category) {
  ChooseEntry(page, kIdcCategoryList, static_cast<int>(category));
}

int HeadingTextWidth(const ListView& table, int column) {
  const QHeaderView* header = static_cast<QTreeView*>(WidgetOf(table))->header();
  return header->fontMetrics().horizontalAdvance(
      header->model()->headerData(column, Qt::Horizontal).toString());
}

class ConverterPageTest : public ProgramTest {
 protected:
  ProgramValues values_{folder_.path(), {}, folder_.path() / "exrate.dat", false, {}};
};

TEST_F(ConverterPageTest, EachCategoryShowsItsFieldsAndConvertsOnEveryChange) {
  WriteBytes(values_.exchangeRateFile, Utf16Le(u"\uFEFF\n0  1  0.9334\n0  11  7.8074\n"));
  CDialogTab5 page(values_);
  RunHosted(script_, page, [&] {
    EXPECT_EQ(Shown(page), "100 100.00 1.00(off) Set(off)");
    ChooseEntry(page, kIdcToUnitList, 1);
    TypeInto(page, kIdcValueField, u"50");
    EXPECT_EQ(Shown(page), "50 46.67 0.9334 Set(off)");
    TypeInto(page, kIdcExchangeRateField, u"0.1234567");
    Click(page, kIdcSetRate);
    EXPECT_EQ(ReadBytes(values_.exchangeRateFile),
              Utf16Le(u"\uFEFF\n0  1  0.1234567  \n0  11  7.8074\n1  0  8.1000  \n"));
    EXPECT_EQ(Shown(page), "50 6.17 0.123457 Set(off)");

    Choose(page, ConverterCategory::Weight);
    EXPECT_EQ(Shown(page), "1 1");
    ChooseEntry(page, kIdcFromUnitList, u"kilogram(kg)");
    auto* value = static_cast<QLineEdit*>(WidgetOf(page.Item(kIdcValueField)));
    value->setCursorPosition(0);
    QTest::keyClick(value, Qt::Key_2);
    EXPECT_EQ(Shown(page), "21 21000");
    EXPECT_EQ(value->cursorPosition(), 1);
    Choose(page, ConverterCategory::Currency);
    EXPECT_EQ(Shown(page), "100 100.00 1(off) Set(off)");
    ChooseEntry(page, kIdcToUnitList, 9);  // the Hong Kong dollar in the shorter list
    EXPECT_EQ(Shown(page), "100 780.74 7.8074 Set(off)");

    const ListView& table = page.ListViewItem(kIdcShoeTable);
    Choose(page, ConverterCategory::MensShoes);
    EXPECT_EQ(Shown(page), "table");
    ASSERT_EQ(table.ItemCount(), 10);
    EXPECT_EQ(ToUtf8(table.ItemText(9, 1)), "11.5");
    EXPECT_EQ(table.RowBackground(9), (Rgb{230, 230, 250}));
    Choose(page, ConverterCategory::ChildrensShoes);
    EXPECT_EQ(table.ColumnWidth(0), 45);
    EXPECT_EQ(ToUtf8(table.ColumnHeading(3)), "LENGTH(mm)");  // foot lengths such as 167
    // The 71 pixels it is given would cut off the heading's first letter.
    EXPECT_GE(table.ColumnWidth(3), HeadingTextWidth(table, 3));
    Choose(page, ConverterCategory::Area);
    EXPECT_EQ(Shown(page), "1 1");
    EXPECT_EQ(table.ColumnCount() + table.ItemCount(), 0);
  });
  CDialogTab5L landscape(values_);
  RunHosted(script_, landscape, [&] {
    Choose(landscape, ConverterCategory::ChildrensShoes);
    EXPECT_EQ(landscape.ListViewItem(kIdcShoeTable).ColumnWidth(3), 86);
  });
}

// Light text on white and lavender rows cannot be read.
TEST_F(ConverterPageTest, UnderADarkSchemeNoShoeTableRowIsLight) {
  CDialogTab5 page(values_);
  RunHosted(script_, page, [&] {
    Choose(page, ConverterCategory::ChildrensShoes);
    QPalette dark = QApplication::palette();
    dark.setColor(QPalette::Window, QColor(32, 35, 38));
    dark.setColor(QPalette::WindowText, QColor(252, 252, 252));
    dark.setColor(QPalette::Text, QColor(252, 252, 252));
    dark.setColor(QPalette::Base, QColor(20, 22, 24));
    dark.setColor(QPalette::AlternateBase, QColor(29, 31, 34));
    const QPalette before = QApplication::palette();
    QApplication::setPalette(dark);  // switched while the table shows
    const ListView& table = page.ListViewItem(kIdcShoeTable);
    EXPECT_EQ(table.RowBackground(1), (Rgb{29, 31, 34}));
    auto* view = static_cast<QTreeView*>(WidgetOf(table));
    const QImage shown = view->viewport()->grab().toImage();
    for (int row = 0; row < 16; ++row) {
      const QRect cell = view->visualRect(view->model()->index(row, 0));
      if (!shown.rect().contains(cell.topLeft())) break;  // scrolled out of sight
      EXPECT_LT(shown.pixelColor(cell.left() + 1, cell.center().y()).lightness(), 64)
          << "row " << row;
    }
    QApplication::setPalette(before);
  });
}

}  // namespace
}  // namespace tallyfox
