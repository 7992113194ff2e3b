// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// One item line of a list file: five words separated by two spaces. The
// store keeps the words exactly as read, so that a line is written back with
// nothing lost.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tallyfox {

// The first line of every list file: the byte-order mark alone.
inline constexpr std::u16string_view kListHeaderLine = u"\uFEFF\n";
// Readers of list files hold a line, its LF included, in this many characters.
inline constexpr std::size_t kMaxLineLength = 71;

struct ItemLine {
  std::u16string checked, name, qty, catalog, price;
};

// Nothing for a line that holds only white space: it carries no item. Up to
// five words fill the fields in order; more words than five come from a name
// with spaces, so the words between the first and the last three make the
// name, joined as a name's words are stored.
std::optional<ItemLine> ParseItemLine(std::u16string_view line);

// Whether a list's first line is an item rather than the list's title: a
// tick word 0 or 1 and four more words, the quantity a whole number.
bool HasItemShape(std::u16string_view line);

// The fields joined by two spaces, up to the last one that holds anything,
// and LF: a line read with fewer than five words keeps the words it has. One
// space each where two would take the line past the readers' limit.
std::u16string FormatItemLine(const ItemLine& line);
// The same text added to the end of `text`, to build a whole file at once.
void AppendItemLine(std::u16string& text, const ItemLine& line);

// A name or catalog of several words keeps them together in the file with
// no-break spaces, so that a line still splits into its five fields.
std::u16string StoredWords(std::u16string_view shown);
std::u16string ShownWords(std::u16string_view stored);
// True for a text with space before its first word, after its last, two in
// a row, or any white space other than a plain space.
bool HasLooseSpaces(std::u16string_view text);

}  // namespace tallyfox
