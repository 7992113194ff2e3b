// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One item line of a list file: five words separated by two spaces. The
// store keeps the words exactly as read, so that a line is written back with
// nothing lost.

#include <optional>
#include <string>
#include <string_view>

namespace tallyfox {

// The first line of every list file: the byte-order mark alone.
inline constexpr std::u16string_view kListHeaderLine = u"\uFEFF\n";

struct ItemLine {
  std::u16string checked, name, qty, catalog, price;
};

// Nothing for a line that holds only white space: it carries no item. Up to
// five words fill the fields in order; more words than five come from a name
// with spaces, so the words between the first and the last three make the
// name, joined by one space.
std::optional<ItemLine> ParseItemLine(std::u16string_view line);

// The fields joined by two spaces, up to the last one that holds anything,
// and LF: a line read with fewer than five words keeps the words it has.
std::u16string FormatItemLine(const ItemLine& line);
// The same text added to the end of `text`, to build a whole file at once.
void AppendItemLine(std::u16string& text, const ItemLine& line);

}  // namespace tallyfox
