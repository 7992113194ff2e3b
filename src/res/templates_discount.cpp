// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>
#include <cstddef>

#include "res/calc_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

constexpr std::array<std::u16string_view, kDiscountBoxIds.size()> kDiscountLabels = {
    u"5%",  u"10%", u"15%", u"20%", u"25%", u"30%", u"35%", u"40%", u"45%",
    u"50%", u"55%", u"60%", u"65%", u"70%", u"75%", u"80%", u"85%", u"90%",
};

constexpr int kPriceRowY = 4;
constexpr int kTaxRowY = 18;
constexpr int kFirstBoxY = 29;
constexpr int kBoxPitch = 12;
constexpr int kBoxWidth = 38;
constexpr int kLabelWidth = 22;
constexpr int kLabelGap = 2;

struct DiscountLayout {
  int priceLabelX;
  int priceX;
  int priceWithTaxX;
  int calcX;
  int foodX;
  int withTaxX;
  int stateX;
  int boxHeight;
  int boxesPerColumn;
  std::array<int, 3> columnX;
  int customX;  // the custom label and percent box stand one above the other
  int customLabelY;
  int customBoxY;
  int customResultX;
};

constexpr std::size_t kItemsBesidesBoxes = 10;

// The price row, the tax controls, each box preceded by its label (the label
// stands to the left of the box, right-aligned against it), then the custom discount.
template <std::size_t kBoxCount>
constexpr auto MakeDiscountItems(const DiscountLayout& at) {
  static_assert(kBoxCount <= kDiscountBoxIds.size());
  std::array<ItemTemplate, kItemsBesidesBoxes + 2 * kBoxCount> items{};
  std::size_t n = 0;
  items[n++] = Label(u"Price", {at.priceLabelX, kPriceRowY + 2, 20, kLabelHeight});
  items[n++] = NumberEdit(kIdcDiscountPrice, {at.priceX, kPriceRowY, 40, 12});
  items[n++] = Named(u"Price with tax", Edit(kIdcDiscountPriceWithTax,
                                             {at.priceWithTaxX, kPriceRowY, 40, 12}, kReadOnly));
  items[n++] = DefaultButton(kIdcDiscountCalc, u"Calc", {at.calcX, kPriceRowY, 25, 21});
  items[n++] = FoodBox({at.foodX, kTaxRowY, 30, 10});
  items[n++] = WithTaxBox({at.withTaxX, kTaxRowY, 41, 10});
  items[n++] = StateButton({at.stateX, kTaxRowY, 14, 10});
  const int labelOffset = (at.boxHeight - kLabelHeight) / 2;
  for (std::size_t i = 0; i < kBoxCount; ++i) {
    const int x = at.columnX[i / at.boxesPerColumn];
    const int y = kFirstBoxY + kBoxPitch * static_cast<int>(i % at.boxesPerColumn);
    items[n++] = Label(kDiscountLabels[i],
                       {x - kLabelGap - kLabelWidth, y + labelOffset, kLabelWidth, kLabelHeight},
                       kAlignRight);
    items[n++] = Edit(kDiscountBoxIds[i], {x, y, kBoxWidth, at.boxHeight}, kReadOnly | kAlignRight);
  }
  items[n++] = Label(u"Customize(%)", {at.customX, at.customLabelY, 56, kLabelHeight});
  items[n++] = NumberEdit(kIdcDiscountCustomPercent, {at.customX, at.customBoxY, 16, at.boxHeight},
                          kDigitsOnly | kAlignRight);
  items[n++] = Named(
      u"Price at custom discount",
      Edit(kIdcDiscountCustomResult, {at.customResultX, at.customBoxY, kBoxWidth, at.boxHeight},
           kReadOnly | kAlignRight));
  return items;
}

constexpr auto kPortraitItems = MakeDiscountItems<kDiscountBoxIds.size()>({
    .priceLabelX = 9,
    .priceX = 32,
    .priceWithTaxX = 74,
    .calcX = 120,
    .foodX = 9,
    .withTaxX = 43,
    .stateX = 88,
    .boxHeight = 10,
    .boxesPerColumn = 10,
    .columnX = {33, 107, 0},
    .customX = 86,
    .customLabelY = 126,
    .customBoxY = 137,
    .customResultX = 107,
});

constexpr auto kLandscapeItems = MakeDiscountItems<kDiscountBoxCountLandscape>({
    .priceLabelX = 7,
    .priceX = 30,
    .priceWithTaxX = 78,
    .calcX = 128,
    .foodX = 7,
    .withTaxX = 41,
    .stateX = 86,
    .boxHeight = 12,
    .boxesPerColumn = 6,
    .columnX = {27, 96, 163},
    .customX = 144,
    .customLabelY = 78,
    .customBoxY = 89,
    .customResultX = 163,
});

}  // namespace

constexpr DialogTemplate kDiscountPortrait = Page(kIddDiscountPortrait, 156, 157, kPortraitItems);
constexpr DialogTemplate kDiscountLandscape =
    Page(kIddDiscountLandscape, 208, 110, kLandscapeItems);

}  // namespace tallyfox::tmpl
