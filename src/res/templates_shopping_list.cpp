// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "res/shoplist_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

constexpr int kButtonPitch = 28;

struct ShoppingListLayout {
  int buttonsX;
  int buttonsY;
  DuRect table;
  DuRect title;
  DuRect tax;
  DuRect total;
  DuRect left;
  std::uint32_t totalsAlign;
  DuRect withTax;
  DuRect stateButton;
  DuRect food;
};

constexpr std::array<ItemTemplate, 11> ShoppingListItems(const ShoppingListLayout& at) {
  const auto button = [&](int i) {
    return DuRect{at.buttonsX + i * kButtonPitch, at.buttonsY, 25, 12};
  };
  return {
      Button(kIdcShoppingListAdd, u"Add", button(0)),
      Button(kIdcShoppingListDelete, u"Del", button(1)),
      DefaultButton(kIdcShoppingListEdit, u"Edit", button(2)),
      // The title above the table is the list's name, not the table's label.
      Named(u"Items", Item(kIdcShoppingListTable, ControlKind::ListView, {}, at.table, kTabStop)),
      Item(kIdcShoppingListTitle, ControlKind::StaticText, u"Static", at.title, kStyleNone),
      Item(kIdcShoppingListTax, ControlKind::StaticText, u"9999999.99", at.tax, at.totalsAlign),
      Item(kIdcShoppingListTotal, ControlKind::StaticText, u"99999999.99", at.total,
           at.totalsAlign),
      Item(kIdcShoppingListLeft, ControlKind::StaticText, u"Left:", at.left, at.totalsAlign),
      WithTaxBox(at.withTax),
      StateButton(at.stateButton),
      // Never shown: an item is taxed as food by its catalog.
      FoodBox(at.food, kHidden),
  };
}

constexpr auto kPortraitItems = ShoppingListItems({
    .buttonsX = 74,
    .buttonsY = 6,
    .table = {5, 25, 150, 115},
    .title = {6, 8, 55, 8},
    .tax = {73, 143, 74, 8},
    .total = {71, 153, 76, 8},
    .left = {71, 163, 76, 8},
    .totalsAlign = kAlignRight,
    .withTax = {6, 144, 41, 10},
    .stateButton = {50, 144, 14, 10},
    .food = {6, 154, 30, 10},
});

constexpr auto kLandscapeItems = ShoppingListItems({
    .buttonsX = 72,
    .buttonsY = 2,
    .table = {1, 17, 152, 96},
    .title = {4, 4, 55, 8},
    .tax = {155, 42, 56, 8},
    .total = {155, 52, 56, 8},
    .left = {155, 62, 56, 8},
    .totalsAlign = kStyleNone,
    .withTax = {155, 21, 41, 10},
    .stateButton = {197, 21, 14, 10},
    .food = {160, 2, 30, 10},
});

// Template order; the box sorts them itself.
constexpr std::u16string_view kCatalogs[] = {
    u"apparel", u"food",     u"toys",   u"electronics", u"baby",  u"home",    u"bedding",
    u"beauty",  u"pharmacy", u"sports", u"grocery",     u"books", u"outdoor",
};

constexpr ItemTemplate kItemEditItems[] = {
    Label(u"Name", {10, 7, 19, kLabelHeight}),
    Edit(kIdcItemEditName, {31, 4, 112, 12}),
    Label(u"Qty", {10, 24, 13, kLabelHeight}),
    NumberEdit(kIdcItemEditQty, {31, 22, 32, 12}, kDigitsOnly),
    Label(u"Unit Price", {67, 24, 34, kLabelHeight}),
    NumberEdit(kIdcItemEditUnitPrice, {102, 22, 41, 12}),
    Label(u"Catalog", {72, 42, 26, kLabelHeight}),
    DropDown(kIdcItemEditCatalog, {102, 39, 41, 76}, kCatalogs, kSorted | kTypedEntry),
    Button(kIdcItemEditSaveAndNew, u"Save && New", {20, 57, 47, 13}),
    DefaultButton(kIdcItemEditSaveAndExit, u"Save && Exit", {89, 57, 47, 13}),
};

}  // namespace

constexpr DialogTemplate kShoppingListPortrait = {.number = kIddShoppingListPortrait,
                                                  .cx = 162,
                                                  .cy = 177,
                                                  .caption = u"Shopping List",
                                                  .items = kPortraitItems};

constexpr DialogTemplate kShoppingListLandscape = {.number = kIddShoppingListLandscape,
                                                   .cx = 214,
                                                   .cy = 117,
                                                   .caption = u"Shopping List",
                                                   .items = kLandscapeItems};

constexpr DialogTemplate kItemEdit = {
    .number = kIddItemEdit, .cx = 156, .cy = 103, .caption = u"Item Edit", .items = kItemEditItems};

}  // namespace tallyfox::tmpl
