// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Builders for template items, so that each template reads as a list of
// controls with the styles a dialog editor gives them by default.

#include <cstdint>
#include <span>
#include <string_view>

#include "res/dialog_template.h"
#include "res/tax_control_ids.h"

namespace tallyfox::tmpl {

inline constexpr int kLabelHeight = 8;
inline constexpr std::uint32_t kEditStyle = kTabStop;
inline constexpr std::uint32_t kDropDownStyle = kTabStop;

constexpr ItemTemplate Item(int id, ControlKind kind, std::u16string_view caption, DuRect rect,
                            std::uint32_t style) {
  return {.id = id, .kind = kind, .caption = caption, .rect = rect, .style = style};
}

constexpr ItemTemplate Label(std::u16string_view text, DuRect rect,
                             std::uint32_t style = kStyleNone) {
  return Item(kIdcStatic, ControlKind::StaticText, text, rect, style);
}

constexpr ItemTemplate Button(int id, std::u16string_view caption, DuRect rect) {
  return Item(id, ControlKind::PushButton, caption, rect, kTabStop);
}

// The button Enter presses.
constexpr ItemTemplate DefaultButton(int id, std::u16string_view caption, DuRect rect) {
  return Item(id, ControlKind::PushButton, caption, rect, kTabStop | kDefaultButton);
}

constexpr ItemTemplate CheckBox(int id, std::u16string_view caption, DuRect rect,
                                std::uint32_t extra = kStyleNone) {
  return Item(id, ControlKind::CheckBox, caption, rect, kTabStop | extra);
}

// A read-only box is no Tab stop: Tab goes from input to input, and the
// mouse still selects what the box shows.
constexpr ItemTemplate Edit(int id, DuRect rect, std::uint32_t extra = kStyleNone) {
  const std::uint32_t style = kEditStyle | extra;
  return Item(id, ControlKind::Edit, {}, rect,
              (extra & kReadOnly) != 0 ? style & ~static_cast<std::uint32_t>(kTabStop) : style);
}

// A box for a number; one of digits only is a number box too.
constexpr ItemTemplate NumberEdit(int id, DuRect rect, std::uint32_t extra = kStyleNone) {
  return Edit(id, rect, kNumber | extra);
}

// The height of a drop-down list is its height when opened.
constexpr ItemTemplate DropDown(int id, DuRect rect, std::span<const std::u16string_view> entries,
                                std::uint32_t extra = kStyleNone) {
  ItemTemplate item = Item(id, ControlKind::DropDownList, {}, rect, kDropDownStyle | extra);
  item.entries = entries;
  return item;
}

// Gives a control that has no caption and no label beside it the name a
// screen reader speaks.
constexpr ItemTemplate Named(std::u16string_view accessibleName, ItemTemplate item) {
  item.accessibleName = accessibleName;
  return item;
}

constexpr ItemTemplate WithTaxBox(DuRect rect) { return CheckBox(kIdcWithTax, u"With tax", rect); }

constexpr ItemTemplate FoodBox(DuRect rect, std::uint32_t extra = kStyleNone) {
  return CheckBox(kIdcFood, u"Food", rect, extra);
}

// Shows the state code at run time; it is spoken as what it opens.
constexpr ItemTemplate StateButton(DuRect rect) {
  return Named(u"Tax Setup", Button(kIdcStateButton, u"...", rect));
}

// Pages are children of the tab control, without a caption.
constexpr DialogTemplate Page(int number, int cx, int cy, std::span<const ItemTemplate> items) {
  return {.number = number, .cx = cx, .cy = cy, .caption = {}, .items = items};
}

}  // namespace tallyfox::tmpl
