// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The shopping lists: one UTF-16LE file NAME.csv per list in the application
// folder, a header line holding the byte-order mark, then one line per item.
// A first line without an item's shape is the list's title, kept as it is.
// Words of a name or catalog are kept apart by no-break spaces in the file and
// by plain spaces everywhere else.
// Nothing is kept between calls; every call opens and closes its files, and a
// change reported as made is on the disk.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/reporter.h"

namespace tallyfox {

// What the fields of an item line hold, so that every line written reads back
// and stays within what list files have always held.
inline constexpr std::size_t kMaxItemNameLength = 31;
inline constexpr std::size_t kMaxQuantityLength = 3;
inline constexpr std::size_t kMaxCatalogLength = 15;
inline constexpr std::size_t kMaxLinePriceLength = 15;

struct ListItem {
  bool checked = false;
  std::u16string name, qty, catalog, price;
};

struct ListContents {
  std::vector<ListItem> items;
  double subtotal = 0;
};

class ListStore {
 public:
  ListStore(std::filesystem::path appFolder, Reporter& reporter);

  // In the order the folder lists its files; a temp.csv that an earlier
  // version left behind is the list "temp" like any other.
  std::vector<std::u16string> ListLists() const;
  // Letter case counts.
  bool ListExists(std::u16string_view name) const;
  // Never replaces a file: fails when the name is taken (on a file system
  // that ignores case, in any case) or is not a safe file-name stem.
  bool CreateList(std::u16string_view name);
  bool DeleteList(std::u16string_view name);
  std::optional<ListContents> ReadItems(std::u16string_view name);
  // Written unticked; refused, with a message, when a field is empty, holds
  // white space (bar single spaces between the words of a name or catalog),
  // is longer than its limit, or the line would be. On any failure the file keeps
  // the length it had.
  bool AppendItem(std::u16string_view name, const ListItem& item);

  // Rewrites; each takes the caller's subtotal and gives it as the change
  // leaves it, or nothing when the list was not changed. The list file
  // is replaced in one step by a complete new file, or left as it was with
  // "Failed to update shopping list file" (a list that is a link or read-only,
  // or would pass the size limit, is left as it is). Refuses, with the message, a file where a
  // tick's place holds a longer word; a position or item it cannot change, without one.
  std::optional<double> RewriteChecks(std::u16string_view name,
                                      const std::vector<int>& tickedPositions,
                                      double subtotal);  // 1-based, ascending
  std::optional<double> RewriteDelete(std::u16string_view name, int position,
                                      double subtotal);  // 0-based
  std::optional<double> RewriteUpdate(std::u16string_view name, int position, int newQty,
                                      double newPrice, double oldPrice, double subtotal);
  // Puts a deleted item back, tick and all, at `position` (0-based, up to the
  // number of items).
  std::optional<double> RewriteInsert(std::u16string_view name, int position, const ListItem& item,
                                      double subtotal);

  // The list's file, or nothing for a name that no file in the folder can have.
  std::optional<std::filesystem::path> ListPath(std::u16string_view name) const;

 private:
  template <class Change>
  std::optional<double> Rewrite(std::u16string_view name, double subtotal, Change change);

  std::filesystem::path appFolder_;
  Reporter& reporter_;
};

}  // namespace tallyfox
