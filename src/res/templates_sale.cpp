// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <cstddef>

#include "res/calc_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

constexpr int kRowsPerBlock = 8;
constexpr int kFieldHeight = 12;
// Price, %, Qty and result; neighbouring boxes share their border.
constexpr std::array<int, 4> kColumnWidths = {25, 13, 13, 28};
constexpr std::array<std::u16string_view, 3> kColumnLabels = {u"Price", u"%", u"Qty"};
// One unit narrower than their boxes, so that neighbouring labels do not touch;
// "Qty" may run on over the result column, which has no heading.
constexpr std::array<int, 3> kColumnLabelWidths = {24, 12, 20};

// Rows 1 to 8 form the left block and rows 9 to 16 the right one.
struct SaleGrid {
  std::array<int, kRowsPerBlock> rowY;
  std::array<std::array<int, 4>, 2> columnX;  // per block: Price, %, Qty, result
  int labelY;
};

constexpr std::size_t kBelowRowsCount = 9;
constexpr std::size_t kSaleItemCount =
    2 * kColumnLabels.size() + 4 * kSalePriceIds.size() + kBelowRowsCount;

using SaleItems = std::array<ItemTemplate, kSaleItemCount>;

// Column labels, then the rows in order, each Price, %, Qty and result,
// then the page's other controls.
constexpr SaleItems MakeSaleItems(const SaleGrid& grid,
                                  const std::array<ItemTemplate, kBelowRowsCount>& others) {
  SaleItems items{};
  std::size_t n = 0;
  for (const auto& x : grid.columnX) {
    for (std::size_t c = 0; c < kColumnLabels.size(); ++c) {
      items[n++] =
          Label(kColumnLabels[c], {x[c], grid.labelY, kColumnLabelWidths[c], kLabelHeight});
    }
  }
  for (std::size_t row = 0; row < kSalePriceIds.size(); ++row) {
    const auto& x = grid.columnX[row / kRowsPerBlock];
    const int y = grid.rowY[row % kRowsPerBlock];
    const auto box = [&](std::size_t c) { return DuRect{x[c], y, kColumnWidths[c], kFieldHeight}; };
    items[n++] = NumberEdit(kSalePriceIds[row], box(0));
    items[n++] = NumberEdit(kSalePercentIds[row], box(1), kDigitsOnly);
    items[n++] = NumberEdit(kSaleQtyIds[row], box(2), kDigitsOnly);
    items[n++] = Named(u"Result", Edit(kSaleResultIds[row], box(3), kReadOnly));
  }
  for (const ItemTemplate& item : others) items[n++] = item;
  return items;
}

constexpr SaleItems kPortraitItems =
    MakeSaleItems({.rowY = {10, 25, 40, 55, 69, 84, 98, 112},
                   .columnX = {{{0, 25, 37, 49}, {79, 103, 115, 127}}},
                   .labelY = 1},
                  {
                      Named(u"Clear", Button(kIdcSaleClear, u"C", {1, 127, 12, 23})),
                      WithTaxBox({15, 127, 40, 10}),
                      FoodBox({15, 140, 30, 10}),
                      StateButton({56, 127, 14, 10}),
                      Label(u"Tax", {70, 128, 15, kLabelHeight}, kAlignRight),
                      Edit(kIdcSaleTax, {86, 126, 38, 12}, kReadOnly),
                      Label(u"Total", {64, 140, 21, kLabelHeight}, kAlignRight),
                      Edit(kIdcSaleTotal, {86, 138, 38, 12}, kReadOnly),
                      DefaultButton(kIdcSaleCalc, u"Calc", {127, 126, 28, 24}),
                  });

constexpr SaleItems kLandscapeItems =
    MakeSaleItems({.rowY = {9, 20, 31, 42, 53, 64, 75, 86},
                   .columnX = {{{3, 27, 39, 51}, {81, 105, 117, 129}}},
                   .labelY = 0},
                  {
                      WithTaxBox({160, 9, 40, 10}),
                      FoodBox({160, 21, 30, 10}),
                      StateButton({191, 20, 14, 10}),
                      Label(u"Tax", {160, 31, 20, kLabelHeight}),
                      Edit(kIdcSaleTax, {160, 40, 45, 12}, kReadOnly),
                      Label(u"Total", {160, 53, 20, kLabelHeight}),
                      Edit(kIdcSaleTotal, {160, 62, 45, 12}, kReadOnly),
                      Named(u"Clear", Button(kIdcSaleClear, u"C", {160, 78, 12, 20})),
                      DefaultButton(kIdcSaleCalc, u"Calc", {177, 78, 28, 20}),
                  });

}  // namespace

constexpr DialogTemplate kSalePortrait = Page(kIddSalePortrait, 161, 157, kPortraitItems);
constexpr DialogTemplate kSaleLandscape = Page(kIddSaleLandscape, 211, 108, kLandscapeItems);

}  // namespace tallyfox::tmpl
