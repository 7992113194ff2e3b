#include "converter/shoe_sizes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/text.h"

namespace tallyfox {
namespace {

std::vector<std::string> Headings(const ShoeSizeTable& table) {
  std::vector<std::string> headings;
  for (const ShoeSizeColumn& column : table.columns) headings.push_back(ToUtf8(column.heading));
  return headings;
}

TEST(ShoeSizesTest, EachShoeCategoryHasItsTable) {
  const struct {
    ConverterCategory category;
    std::size_t rows;
    std::vector<std::string> headings;
    std::vector<int> portraitWidths;
    std::vector<int> landscapeWidths;
    const char* firstEur;
    const char* lastEur;
  } cases[] = {
      {ConverterCategory::MensShoes,
       10,
       {"EUR", "US", "UK", "JAPAN", "CHINA"},
       {48, 34, 34, 44, 44},
       {62, 49, 49, 58, 58},
       "39",
       "45"},
      {ConverterCategory::WomensShoes,
       13,
       {"EUR", "US", "UK", "JAPAN", "CHINA"},
       {48, 34, 34, 44, 44},
       {62, 49, 49, 58, 58},
       "34",
       "40"},
      {ConverterCategory::ChildrensShoes,
       16,
       {"EUR", "US", "UK", "LENGTH(cm)"},
       {45, 44, 44, 71},
       {64, 63, 63, 86},
       "25",
       "40"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.category));
    const std::optional<ShoeSizeTable> table = ShoeSizeTableOf(c.category);
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(Headings(*table), c.headings);
    std::vector<int> portrait;
    std::vector<int> landscape;
    for (const ShoeSizeColumn& column : table->columns) {
      portrait.push_back(column.portraitWidth);
      landscape.push_back(column.landscapeWidth);
    }
    EXPECT_EQ(portrait, c.portraitWidths);
    EXPECT_EQ(landscape, c.landscapeWidths);
    ASSERT_EQ(table->rows.size(), c.rows);
    EXPECT_EQ(ToUtf8(table->rows.front()[0]), c.firstEur);
    EXPECT_EQ(ToUtf8(table->rows.back()[0]), c.lastEur);
    for (const ShoeSizeRow& row : table->rows) {
      // No cell beyond the table's columns.
      for (std::size_t cell = table->columns.size(); cell < row.size(); ++cell) {
        EXPECT_TRUE(row[cell].empty());
      }
    }
  }
  for (const ConverterCategory other :
       {ConverterCategory::Currency, ConverterCategory::Weight, ConverterCategory::Temperature}) {
    EXPECT_FALSE(ShoeSizeTableOf(other).has_value());
  }
}

TEST(ShoeSizesTest, OnlyWomensSizesFrom38LackAChineseSize) {
  for (const ConverterCategory category :
       {ConverterCategory::MensShoes, ConverterCategory::WomensShoes}) {
    const ShoeSizeTable table = *ShoeSizeTableOf(category);
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
      SCOPED_TRACE(::testing::Message() << static_cast<int>(category) << " row " << row);
      const bool blank = category == ConverterCategory::WomensShoes && row >= 8;
      EXPECT_EQ(table.rows[row][4].empty(), blank);
      for (std::size_t cell = 0; cell < 4; ++cell) EXPECT_FALSE(table.rows[row][cell].empty());
    }
  }
}

}  // namespace
}  // namespace tallyfox
