// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "res/shoplist_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

constexpr int kButtonPitch = 28;

constexpr std::uint32_t kListBoxStyle = kSorted | kTabStop;

// The four buttons stand in a row above the list of list names.
constexpr std::array<ItemTemplate, 5> ShoplistItems(int buttonsX, int buttonsY, DuRect list) {
  const auto at = [&](int i) { return DuRect{buttonsX + i * kButtonPitch, buttonsY, 25, 12}; };
  return {
      Button(kIdcShoplistNew, u"New", at(0)),
      Button(kIdcShoplistDelete, u"Del", at(1)),
      DefaultButton(kIdcShoplistEdit, u"Edit", at(2)),
      Button(kIdcShoplistView, u"View", at(3)),
      Named(u"Lists", Item(kIdcShoplistListBox, ControlKind::ListBox, {}, list, kListBoxStyle)),
  };
}

constexpr auto kPortraitItems = ShoplistItems(44, 6, {3, 24, 150, 123});
constexpr auto kLandscapeItems = ShoplistItems(93, 3, {4, 18, 198, 81});

constexpr ItemTemplate kAddListItems[] = {
    Label(u"List Name", {17, 20, 32, kLabelHeight}),
    Edit(kIdcAddListName, {55, 18, 82, 12}),
    DefaultButton(kIdcAddListCreate, u"Create", {26, 42, 39, 12}),
    Button(kIdcAddListCancel, u"Cancel", {83, 42, 39, 12}),
};

}  // namespace

constexpr DialogTemplate kShoplistPortrait = Page(kIddShoplistPortrait, 160, 157, kPortraitItems);
constexpr DialogTemplate kShoplistLandscape =
    Page(kIddShoplistLandscape, 208, 106, kLandscapeItems);

constexpr DialogTemplate kAddList = {
    .number = kIddAddList, .cx = 156, .cy = 103, .caption = u"Add List", .items = kAddListItems};

}  // namespace tallyfox::tmpl
