// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/accessible_names.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "core/common/numbers.h"

namespace tallyfox {
namespace {

// In dialog units: how far a label may stand from its control, and how far
// a column heading may be out of line with the column.
constexpr int kMaxLabelGap = 12;
constexpr int kOverlap = 2;
constexpr int kColumnSlack = 3;
// A drop-down list's height is its opened height; the closed box is about this.
constexpr int kClosedDropDownHeight = 14;

struct Box {
  int left;
  int top;
  int right;
  int bottom;
};

Box Extent(const ItemTemplate& item) {
  int height = item.rect.cy;
  if (item.kind == ControlKind::DropDownList) height = std::min(height, kClosedDropDownHeight);
  return {item.rect.x, item.rect.y, item.rect.x + item.rect.cx, item.rect.y + height};
}

bool HasCaption(const ItemTemplate& item) { return !SpokenCaption(item.caption).empty(); }

bool SpeaksOwnText(const ItemTemplate& item) {
  switch (item.kind) {
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton:
    case ControlKind::StaticText:
      return HasCaption(item);
    default:
      return false;
  }
}

// A label on the left may also be the caption of a radio button or box
// that goes with the field beside it.
bool CanLabelFromLeft(const ItemTemplate& item) {
  const bool kind = item.kind == ControlKind::StaticText || item.kind == ControlKind::RadioButton ||
                    item.kind == ControlKind::CheckBox;
  return kind && !(item.style & kHidden) && HasCaption(item);
}

bool CanHeadColumn(const ItemTemplate& item) {
  return item.kind == ControlKind::StaticText && !(item.style & kHidden) && HasCaption(item);
}

std::optional<std::size_t> LabelToTheLeft(std::span<const ItemTemplate> items, const Box& control) {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!CanLabelFromLeft(items[i])) continue;
    const Box label = Extent(items[i]);
    const int middle = (label.top + label.bottom) / 2;
    const bool sameRow = middle >= control.top && middle <= control.bottom;
    const bool beside =
        label.right <= control.left + kOverlap && control.left - label.right <= kMaxLabelGap;
    if (sameRow && beside && (!best || label.right > Extent(items[*best]).right)) best = i;
  }
  return best;
}

std::optional<std::size_t> ColumnHeading(std::span<const ItemTemplate> items, const Box& control) {
  std::optional<std::size_t> best;
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!CanHeadColumn(items[i])) continue;
    const Box label = Extent(items[i]);
    const bool above = label.bottom <= control.top + kOverlap;
    const bool inLine = std::abs(label.left - control.left) <= kColumnSlack;
    if (above && inLine && (!best || label.bottom > Extent(items[*best]).bottom)) best = i;
  }
  return best;
}

std::u16string BaseName(std::span<const ItemTemplate> items, const ItemTemplate& item) {
  if (!item.accessibleName.empty()) return std::u16string(item.accessibleName);
  if (SpeaksOwnText(item)) return {};
  const Box box = Extent(item);
  std::optional<std::size_t> label = LabelToTheLeft(items, box);
  if (!label) label = ColumnHeading(items, box);
  return label ? SpokenCaption(items[*label].caption) : std::u16string();
}

}  // namespace

std::u16string ShownCaption(std::u16string_view caption) {
  std::u16string shown;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == u'&' && i + 1 < caption.size()) ++i;
    shown.push_back(caption[i]);
  }
  return shown;
}

std::u16string SpokenCaption(std::u16string_view caption) {
  std::u16string spoken = ShownCaption(caption);
  if (!spoken.empty() && spoken.back() == u':') spoken.pop_back();
  return spoken;
}

std::vector<std::u16string> AccessibleNames(std::span<const ItemTemplate> items) {
  std::vector<std::u16string> names;
  std::map<std::u16string, int> uses;
  for (const ItemTemplate& item : items) {
    names.push_back(BaseName(items, item));
    if (!names.back().empty()) ++uses[names.back()];
  }
  std::map<std::u16string, int> seen;
  for (std::u16string& name : names) {
    if (name.empty() || uses[name] < 2) continue;
    const int row = ++seen[name];
    name += u" row " + FormatInteger(row);
  }
  return names;
}

}  // namespace tallyfox
