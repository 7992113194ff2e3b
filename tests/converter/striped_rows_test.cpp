#include "shoplist/striped_rows.h"

#include <gtest/gtest.h>

namespace tallyfox {
namespace {

TEST(StripedRowsTest, AsksForEachRowAndStripesOddRowsLavender) {
  Notification whole;
  whole.code = Notify::CustomDraw;
  whole.drawStage = kDrawPrePaint;
  whole.result = 123;
  DrawStripedRows(whole);
  EXPECT_EQ(whole.result, kDrawNotifyItemDraw);

  const Rgb lavender{230, 230, 250};
  const Rgb white{255, 255, 255};
  for (int row = 0; row < 6; ++row) {
    SCOPED_TRACE(row);
    Notification item;
    item.code = Notify::CustomDraw;
    item.drawStage = kDrawItemPrePaint;
    item.item = row;
    item.textBackground = Rgb{1, 2, 3};
    item.result = 123;
    DrawStripedRows(item);
    EXPECT_EQ(item.result, kDrawDoDefault);
    EXPECT_EQ(item.textBackground, row % 2 == 1 ? lavender : white);
  }

  Notification other;
  other.code = Notify::CustomDraw;
  other.drawStage = 0x0002;  // after painting
  other.textBackground = Rgb{1, 2, 3};
  other.result = 123;
  DrawStripedRows(other);
  EXPECT_EQ(other.result, kDrawDoDefault);
  EXPECT_EQ(other.textBackground, (Rgb{1, 2, 3}));
}

}  // namespace
}  // namespace tallyfox
