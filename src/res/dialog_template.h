// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialog templates as plain data: every window of the program is built from
// one of these, and the shell re-lays the main window from them on rotation.

#include <cstdint>
#include <span>
#include <string_view>

namespace tallyfox {

// Control id of items that have none (static labels, pictures).
inline constexpr int kIdcStatic = 65535;

enum class ControlKind {
  PushButton,
  CheckBox,     // toggles itself when clicked
  RadioButton,  // automatic: the group keeps one selected
  Edit,
  StaticText,
  Picture,  // static showing a bitmap resource
  DropDownList,
  ListBox,
  ListView,
  TabControl,
};

// Item styles; several combine.
enum ItemStyle : std::uint32_t {
  kStyleNone = 0,
  kReadOnly = 1u << 0,
  kDigitsOnly = 1u << 1,
  kAlignRight = 1u << 2,
  kAlignCenter = 1u << 3,
  kSorted = 1u << 4,
  kHidden = 1u << 5,
  kDisabled = 1u << 6,
  kGroup = 1u << 7,  // starts a group of radio buttons / tab-order group
  kTabStop = 1u << 8,
  kNoColumnHeader = 1u << 16,
  kTypedEntry = 1u << 17,     // drop-down list that also takes a text typed into it
  kDefaultButton = 1u << 18,  // Enter presses it, wherever the focus is in the window
  kNumber = 1u << 19,         // an edit for a number: entering it selects all it holds
};

constexpr std::uint32_t operator|(ItemStyle a, ItemStyle b) {
  return static_cast<std::uint32_t>(a) | static_cast<std::uint32_t>(b);
}
constexpr std::uint32_t operator|(std::uint32_t a, ItemStyle b) {
  return a | static_cast<std::uint32_t>(b);
}

// Rectangle in dialog units.
struct DuRect {
  int x = 0;
  int y = 0;
  int cx = 0;
  int cy = 0;
};

struct ItemTemplate {
  int id = kIdcStatic;
  ControlKind kind = ControlKind::StaticText;
  std::u16string_view caption;
  DuRect rect;
  std::uint32_t style = kStyleNone;
  // Entries a list control starts with, in template order.
  std::span<const std::u16string_view> entries = {};
  // Bitmap resource shown by a Picture item.
  int resource = 0;
  // What a screen reader calls the control where neither its own caption
  // nor a label beside it says what it is.
  std::u16string_view accessibleName = {};
};

// The name a template gives the system's own dialog font.
inline constexpr std::u16string_view kSystemDialogFont = u"MS Shell Dlg";

struct DialogTemplate {
  int number = 0;
  int cx = 0;  // size in dialog units
  int cy = 0;
  std::u16string_view caption;
  std::u16string_view fontName = kSystemDialogFont;
  int pointSize = 8;
  std::span<const ItemTemplate> items;
};

// The template with this number, or nullptr when the program has none.
const DialogTemplate* FindTemplate(int number);

// Every template of the program, in ascending number.
std::span<const DialogTemplate* const> AllTemplates();

}  // namespace tallyfox
