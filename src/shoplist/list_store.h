#pragma once

// The shopping lists: one UTF-16LE file NAME.csv per list in the application
// folder, a header line holding the byte-order mark, then one line per item.
// Nothing is kept between calls; every call opens and closes its files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/reporter.h"

namespace tallyfox {

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

  // In the order the folder lists its files; a leftover scratch file shows
  // as the list "temp".
  std::vector<std::u16string> ListLists() const;
  // Letter case counts.
  bool ListExists(std::u16string_view name) const;
  // Never replaces a file: fails when the name is taken (on a file system
  // that ignores case, in any case) or is not a safe file-name stem.
  bool CreateList(std::u16string_view name);
  bool DeleteList(std::u16string_view name);
  std::optional<ListContents> ReadItems(std::u16string_view name);
  bool AppendItem(std::u16string_view name, const ListItem& item);  // written unticked

  // Rewrites; subtotal is the caller's, adjusted on success. The list file
  // is replaced in one step by a complete new file, or left as it was.
  // Refuses, with a message, a file where a tick's place holds a longer word.
  bool RewriteChecks(std::u16string_view name, const std::vector<int>& tickedPositions,
                     double& subtotal);  // 1-based, ascending
  bool RewriteDelete(std::u16string_view name, int position, double& subtotal);  // 0-based
  bool RewriteUpdate(std::u16string_view name, int position, int newQty, double newPrice,
                     double oldPrice, double& subtotal);

  // The list's file, or nothing for a name that no file in the folder can have.
  std::optional<std::filesystem::path> ListPath(std::u16string_view name) const;

 private:
  template <class Change>
  bool Rewrite(std::u16string_view name, double& subtotal, Change change);

  std::filesystem::path appFolder_;
  Reporter& reporter_;
};

}  // namespace tallyfox
