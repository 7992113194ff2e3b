// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A shopping list as it leaves the program: on the clipboard, on paper and on
// standard output. One sheet for all three, so they never disagree.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/shoplist/list_store.h"
#include "core/shoplist/list_tax.h"

namespace tallyfox {

struct ListSheet {
  std::u16string title;
  std::vector<std::u16string> columns;            // headings of the printed table
  std::vector<std::vector<std::u16string>> rows;  // box, quantity, name, catalog, price
  std::vector<std::u16string> totals;             // the tax and the total lines
};

// The tax and total lines as the Shopping List shows them ("Tax:  0.40"),
// "too large" for an amount past a double's range.
std::u16string TaxLine(double tax);
std::u16string TotalLine(double total);
// "Left: 12.40": what the unticked items come to with their tax.
std::u16string LeftLine(double left);

// `rates` are the rates the Shopping List applies (0 without tax); nothing
// when no state is chosen, and then there is no tax line.
ListSheet MakeListSheet(std::u16string_view name, const ListContents& contents,
                        const std::optional<ListRates>& rates);

// The sheet as a person would write it, one line each, ending in a newline.
std::u16string ListSheetText(const ListSheet& sheet);
// The same for a terminal: control characters and NUL in the list's texts,
// which a terminal would obey or a reader stop at, come out as U+FFFD.
std::u16string TerminalSheetText(const ListSheet& sheet);

}  // namespace tallyfox
