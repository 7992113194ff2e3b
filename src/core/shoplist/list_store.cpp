// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_store.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/files/file_lines.h"
#include "core/files/files.h"
#include "core/shoplist/list_lines.h"
#include "core/shoplist/list_names.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kListSuffix = u".csv";
constexpr std::size_t kMaxPathCharacters = 260;
// A list is read whole into a window, so a larger file is never opened and
// never grown to: hundreds of thousands of items, far more than any list.
constexpr std::uint64_t kMaxListBytes = 16 * 1024 * 1024;
constexpr char16_t kByteOrderMark = u'\uFEFF';

constexpr std::u16string_view kCreateFailed = u"Failed to create shopping list.";
constexpr std::u16string_view kDeleteFailed = u"Failed to delete shopping list file";
constexpr std::u16string_view kOpenFailed = u"Failed to open list file.";
constexpr std::u16string_view kSaveFailed = u"Failed to save item.";
constexpr std::u16string_view kUpdateFailed = u"Failed to update shopping list file";

bool IsBlank(std::u16string_view text) { return std::ranges::all_of(text, IsSpace); }

// Hands `take` the item lines of an open list file, whole however long they
// are. The first line is the file's header unless it has an item's shape
// (lists written without a header start with one): a title is kept in
// `header` as it is, a blank one or the mark alone is not kept.
template <class Take>
bool ForEachItemLine(File& file, std::optional<std::u16string>& header, Take take) {
  Utf16LineReader reader(file);
  bool first = true;
  std::u16string line;
  while (reader.ReadLine(line)) {
    std::u16string_view text = line;
    if (first && !text.empty() && text.front() == kByteOrderMark) text.remove_prefix(1);
    if (std::exchange(first, false) && !HasItemShape(text)) {
      if (!IsBlank(text)) header = line;
      continue;
    }
    if (std::optional<ItemLine> item = ParseItemLine(text)) take(std::move(*item));
  }
  return !reader.failed();
}

struct ListLines {
  std::optional<std::u16string> header;
  std::vector<ItemLine> items;
};

bool ReadListLines(File& file, ListLines& lines) {
  return ForEachItemLine(file, lines.header,
                         [&lines](ItemLine&& line) { lines.items.push_back(std::move(line)); });
}

ListItem ToListItem(ItemLine line) {
  return ListItem{line.checked == u"1", ShownWords(line.name), std::move(line.qty),
                  ShownWords(line.catalog), std::move(line.price)};
}

// The line an item is stored as; its words keep together with no-break spaces.
ItemLine StoredItemLine(const ListItem& item, bool ticked) {
  return {ticked ? u"1" : u"0", StoredWords(item.name), item.qty, StoredWords(item.catalog),
          item.price};
}

// Every field must come back as the one word it was written as, on a line
// that a reader takes whole.
bool FitsOneLine(const ListItem& item) {
  for (const std::u16string* field : {&item.name, &item.qty, &item.catalog, &item.price}) {
    if (field->empty()) return false;
  }
  return !HasLooseSpaces(ShownWords(item.name)) && !HasLooseSpaces(ShownWords(item.catalog)) &&
         !HasSpace(item.qty) && !HasSpace(item.price) && item.name.size() <= kMaxItemNameLength &&
         item.qty.size() <= kMaxQuantityLength && item.catalog.size() <= kMaxCatalogLength &&
         item.price.size() <= kMaxLinePriceLength &&
         FormatItemLine(StoredItemLine(item, false)).size() <= kMaxLineLength;
}

std::size_t PathCharacters(const std::filesystem::path& path) {
  return FromUtf8(path.native()).size();
}

bool WriteNewList(const std::filesystem::path& path) {
  std::optional<File> file = File::Open(path, OpenMode::CreateNew);
  if (!file) return false;
  if (file->WriteText(kListHeaderLine) && file->Flush() && file->Close()) {
    SyncFolder(path.parent_path());
    return true;
  }
  // Only a whole list may keep the name: this file is the one just made.
  RemoveFile(path);
  return false;
}

// What an appended line needs before it, decided by the end of the file: a
// header in an empty file, and an LF after a last line without one, which
// would swallow the new item. An odd byte at the end is a character cut short
// by a crash: a zero byte completes it, so the new line starts on a character.
std::optional<std::vector<std::byte>> AppendedBytes(File& file, std::uint64_t size,
                                                    std::u16string_view line) {
  std::array<std::byte, 2> last{};
  if (size >= last.size()) {
    const std::optional<std::size_t> count = file.ReadAt(size - last.size(), last);
    if (!count || *count != last.size()) return std::nullopt;
  }
  const bool torn = size % 2 != 0;
  const bool endsLine = size >= 2 && !torn && last[0] == std::byte{'\n'} && last[1] == std::byte{0};
  std::u16string text = size == 0  ? std::u16string(kListHeaderLine)
                        : endsLine ? std::u16string()
                                   : std::u16string(u"\n");
  text += line;
  std::vector<std::byte> bytes = EncodeUtf16Le(text);
  if (torn) bytes.insert(bytes.begin(), std::byte{0});
  return bytes;
}

// A list file no larger than a list may be.
std::optional<File> OpenList(const std::filesystem::path& path, OpenMode mode) {
  std::optional<File> file = File::Open(path, mode);
  const std::optional<std::uint64_t> size = file ? file->Size() : std::nullopt;
  if (!size || *size > kMaxListBytes) return std::nullopt;
  return file;
}

bool AppendLine(const std::filesystem::path& path, std::u16string_view line) {
  std::optional<File> file = OpenList(path, OpenMode::ReadUpdate);
  const std::optional<std::uint64_t> size = file ? file->Size() : std::nullopt;
  const std::optional<std::vector<std::byte>> bytes =
      size ? AppendedBytes(*file, *size, line) : std::nullopt;
  return bytes && *size + bytes->size() <= kMaxListBytes && file->Append(*bytes);
}

std::u16string ListText(const ListLines& lines) {
  std::u16string text = lines.header ? *lines.header + u'\n' : std::u16string(kListHeaderLine);
  for (const ItemLine& line : lines.items) AppendItemLine(text, line);
  return text;
}

bool FitsListSize(std::u16string_view text) {
  return text.size() * sizeof(char16_t) <= kMaxListBytes;
}

bool ValidPosition(const std::vector<ItemLine>& lines, int position) {
  return position >= 0 && static_cast<std::size_t>(position) < lines.size();
}

}  // namespace

ListStore::ListStore(std::filesystem::path appFolder, Reporter& reporter)
    : appFolder_(std::move(appFolder)), reporter_(reporter) {}

std::optional<std::filesystem::path> ListStore::ListPath(std::u16string_view name) const {
  return PathInFolder(appFolder_, std::u16string(name) + std::u16string(kListSuffix));
}

std::vector<std::u16string> ListStore::ListLists() const {
  std::vector<std::u16string> names = ListFilesWithSuffix(appFolder_, kListSuffix);
  for (std::u16string& name : names) name.resize(name.size() - kListSuffix.size());
  return names;
}

bool ListStore::ListExists(std::u16string_view name) const {
  const std::vector<std::u16string> names = ListLists();
  return std::ranges::find(names, name) != names.end();
}

bool ListStore::CreateList(std::u16string_view name) {
  const std::optional<std::filesystem::path> path =
      IsSafeListName(name) ? ListPath(name) : std::nullopt;
  if (!path || PathCharacters(*path) >= kMaxPathCharacters || !WriteNewList(*path)) {
    reporter_.Report(kCreateFailed);
    return false;
  }
  return true;
}

bool ListStore::DeleteList(std::u16string_view name) {
  const std::optional<std::filesystem::path> path = ListPath(name);
  if (!path || !RemoveFile(*path)) {
    reporter_.Report(kDeleteFailed);
    return false;
  }
  return true;
}

std::optional<ListContents> ListStore::ReadItems(std::u16string_view name) {
  const std::optional<std::filesystem::path> path = ListPath(name);
  std::optional<File> file = path ? OpenList(*path, OpenMode::Read) : std::nullopt;
  // Each line becomes its item as it is read, with no list of lines between.
  ListContents contents;
  std::optional<std::u16string> header;
  const bool read = file && ForEachItemLine(*file, header, [&contents](ItemLine&& line) {
                      contents.subtotal += ReadNumber(line.price);
                      contents.items.push_back(ToListItem(std::move(line)));
                    });
  if (!read) {
    reporter_.Report(kOpenFailed);
    return std::nullopt;
  }
  return contents;
}

bool ListStore::AppendItem(std::u16string_view name, const ListItem& item) {
  const std::optional<std::filesystem::path> path = ListPath(name);
  if (!path || !FitsOneLine(item) ||
      !AppendLine(*path, FormatItemLine(StoredItemLine(item, false)))) {
    reporter_.Report(kSaveFailed);
    return false;
  }
  return true;
}

// The whole new list replaces the file in one step: a crash leaves the old
// list or the new. `change` edits the item lines and the subtotal, or
// refuses; a change that cannot be saved says so.
template <class Change>
std::optional<double> ListStore::Rewrite(std::u16string_view name, double subtotal, Change change) {
  const std::optional<std::filesystem::path> path = ListPath(name);
  // Opened for writing too, so a list made read-only, or a link, stays as it is.
  std::optional<File> list = path ? OpenList(*path, OpenMode::ReadUpdate) : std::nullopt;
  ListLines lines;
  const bool read = list && ReadListLines(*list, lines);
  if (list) list->Close();
  if (!read) {
    reporter_.Report(kUpdateFailed);
    return std::nullopt;
  }
  double adjusted = subtotal;
  if (!change(lines.items, adjusted)) return std::nullopt;
  const std::u16string text = ListText(lines);
  // A list past the limit could never be opened again.
  if (!FitsListSize(text) || ReplaceFileText(*path, text) != Replaced::Yes) {
    reporter_.Report(kUpdateFailed);
    return std::nullopt;
  }
  return adjusted;
}

std::optional<double> ListStore::RewriteChecks(std::u16string_view name,
                                               const std::vector<int>& tickedPositions,
                                               double subtotal) {
  std::vector<int> ticked = tickedPositions;
  std::ranges::sort(ticked);
  return Rewrite(name, subtotal, [this, &ticked](std::vector<ItemLine>& lines, double&) {
    // A longer word where the tick belongs is the user's text (a file in
    // another encoding reads as one long word): refuse rather than lose it.
    if (std::ranges::any_of(lines, [](const ItemLine& line) { return line.checked.size() > 1; })) {
      reporter_.Report(kUpdateFailed);
      return false;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const bool isTicked = std::ranges::binary_search(ticked, static_cast<int>(i) + 1);
      lines[i].checked = isTicked ? u"1" : u"0";
    }
    return true;
  });
}

std::optional<double> ListStore::RewriteDelete(std::u16string_view name, int position,
                                               double subtotal) {
  return Rewrite(name, subtotal, [position](std::vector<ItemLine>& lines, double& adjusted) {
    if (!ValidPosition(lines, position)) return false;
    adjusted -= ReadNumber(lines[position].price);
    lines.erase(lines.begin() + position);
    return true;
  });
}

std::optional<double> ListStore::RewriteUpdate(std::u16string_view name, int position, int newQty,
                                               double newPrice, double oldPrice, double subtotal) {
  return Rewrite(name, subtotal, [&](std::vector<ItemLine>& lines, double& adjusted) {
    if (!ValidPosition(lines, position) || !std::isfinite(newPrice)) return false;
    ItemLine& line = lines[position];
    // Without a name or a catalog the new words would slide into their places.
    if (line.name.empty() || line.catalog.empty()) return false;
    const std::size_t oldLength = FormatItemLine(line).size();
    line.qty = FormatInteger(newQty);
    line.price = FormatFixed2(newPrice);
    const std::size_t newLength = FormatItemLine(line).size();
    if (line.qty.size() > kMaxQuantityLength || line.price.size() > kMaxLinePriceLength ||
        (newLength > kMaxLineLength && newLength > oldLength)) {
      return false;
    }
    adjusted = (newPrice + adjusted) - oldPrice;
    return true;
  });
}

std::optional<double> ListStore::RewriteInsert(std::u16string_view name, int position,
                                               const ListItem& item, double subtotal) {
  return Rewrite(name, subtotal, [&](std::vector<ItemLine>& lines, double& adjusted) {
    if (position < 0 || static_cast<std::size_t>(position) > lines.size()) return false;
    lines.insert(lines.begin() + position, StoredItemLine(item, item.checked));
    adjusted += ReadNumber(item.price);
    return true;
  });
}

}  // namespace tallyfox
