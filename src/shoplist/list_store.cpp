#include "shoplist/list_store.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "common/numbers.h"
#include "common/text.h"
#include "platform/file_lines.h"
#include "platform/files.h"
#include "shoplist/list_lines.h"
#include "shoplist/list_names.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kListSuffix = u".csv";
constexpr std::u16string_view kScratchFileName = u"temp.csv";
constexpr std::size_t kMaxPathCharacters = 260;
constexpr char16_t kByteOrderMark = u'\uFEFF';

constexpr std::u16string_view kCreateFailed = u"Failed to create shopping list.";
constexpr std::u16string_view kDeleteFailed = u"Failed to delete shopping list file";
constexpr std::u16string_view kOpenFailed = u"Failed to open list file.";
constexpr std::u16string_view kSaveFailed = u"Failed to save item.";
constexpr std::u16string_view kUpdateFailed = u"Failed to update shopping list file";

// Hands `take` the item lines of an open list file, whole however long they
// are. A first line that is more than the byte-order mark is an item too.
template <class Take>
bool ForEachItemLine(File& file, Take take) {
  Utf16LineReader reader(file);
  bool first = true;
  std::u16string line;
  while (reader.ReadLine(line)) {
    std::u16string_view text = line;
    if (first && !text.empty() && text.front() == kByteOrderMark) text.remove_prefix(1);
    first = false;
    if (std::optional<ItemLine> item = ParseItemLine(text)) take(std::move(*item));
  }
  return !reader.failed();
}

bool ReadItemLines(File& file, std::vector<ItemLine>& lines) {
  return ForEachItemLine(file, [&lines](ItemLine&& line) { lines.push_back(std::move(line)); });
}

ListItem ToListItem(ItemLine line) {
  return ListItem{line.checked == u"1", std::move(line.name), std::move(line.qty),
                  std::move(line.catalog), std::move(line.price)};
}

bool HasSpace(std::u16string_view text) { return std::ranges::any_of(text, IsSpace); }

// Every field must come back as the one word it was written as.
bool FitsOneLine(const ListItem& item) {
  for (const std::u16string* field : {&item.name, &item.qty, &item.catalog, &item.price}) {
    if (field->empty() || HasSpace(*field)) return false;
  }
  return true;
}

std::size_t PathCharacters(const std::filesystem::path& path) {
  return FromUtf8(path.native()).size();
}

bool WriteNewList(const std::filesystem::path& path) {
  std::optional<File> file = File::Open(path, OpenMode::CreateNew);
  if (!file) return false;
  if (file->WriteText(kListHeaderLine) && file->Close()) return true;
  // Only a whole list may keep the name: this file is the one just made.
  RemoveFile(path);
  return false;
}

// A last line without LF would swallow the new item, so the file's end is
// looked at first. An odd byte there is a character cut short by a crash:
// it is completed, so that the new line starts on a character boundary.
bool AppendText(const std::filesystem::path& path, std::u16string_view line) {
  const std::optional<std::vector<std::byte>> contents =
      ReadWholeFile(path, std::numeric_limits<std::size_t>::max());
  if (!contents) return false;
  const bool tornCharacter = contents->size() % 2 != 0;
  std::u16string text;
  if (contents->empty()) {
    text = kListHeaderLine;
  } else if (tornCharacter || contents->end()[-2] != std::byte{'\n'} ||
             contents->end()[-1] != std::byte{0}) {
    text = u"\n";
  }
  text += line;
  std::optional<File> file = File::Open(path, OpenMode::AppendExisting);
  const std::byte completion[] = {std::byte{0}};
  return file && (!tornCharacter || file->Write(completion)) && file->WriteText(text) &&
         file->Close();
}

// Not flushed here: ReplaceFile puts the file on the disk before the rename,
// and a second flush of the same file waits for the disk a second time.
bool WriteItemLines(File& file, const std::vector<ItemLine>& lines) {
  std::u16string text(kListHeaderLine);
  for (const ItemLine& line : lines) AppendItemLine(text, line);
  return file.WriteText(text) && file.Close();
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
  std::optional<File> file = path ? File::Open(*path, OpenMode::Read) : std::nullopt;
  // Each line becomes its item as it is read, with no list of lines between.
  ListContents contents;
  const bool read = file && ForEachItemLine(*file, [&contents](ItemLine&& line) {
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
      !AppendText(*path, FormatItemLine({u"0", item.name, item.qty, item.catalog, item.price}))) {
    reporter_.Report(kSaveFailed);
    return false;
  }
  return true;
}

// The new contents go to the scratch file, onto the disk, and then take the
// list file's place in one rename: a crash leaves the old list or the new.
// `change` edits the lines and the subtotal, or refuses.
template <class Change>
bool ListStore::Rewrite(std::u16string_view name, double& subtotal, Change change) {
  // The scratch file cannot be rewritten through itself.
  if (NamesScratchFile(name)) return false;
  const std::optional<std::filesystem::path> path = ListPath(name);
  // Opened for writing too, so a list made read-only stays as it is.
  std::optional<File> list = path ? File::Open(*path, OpenMode::ReadUpdate) : std::nullopt;
  if (!list) return false;
  std::vector<ItemLine> lines;
  const bool read = ReadItemLines(*list, lines);
  list->Close();
  if (!read) {
    reporter_.Report(kUpdateFailed);
    return false;
  }
  double adjusted = subtotal;
  if (!change(lines, adjusted)) return false;
  const std::filesystem::path scratchPath = appFolder_ / std::filesystem::path(kScratchFileName);
  std::optional<File> scratch = File::Open(scratchPath, OpenMode::CreateTruncate);
  if (!scratch) return false;
  if (!WriteItemLines(*scratch, lines) || !ReplaceFile(scratchPath, *path)) {
    RemoveFile(scratchPath);
    reporter_.Report(kUpdateFailed);
    return false;
  }
  subtotal = adjusted;
  return true;
}

bool ListStore::RewriteChecks(std::u16string_view name, const std::vector<int>& tickedPositions,
                              double& subtotal) {
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

bool ListStore::RewriteDelete(std::u16string_view name, int position, double& subtotal) {
  return Rewrite(name, subtotal, [position](std::vector<ItemLine>& lines, double& adjusted) {
    if (!ValidPosition(lines, position)) return false;
    adjusted -= ReadNumber(lines[position].price);
    lines.erase(lines.begin() + position);
    return true;
  });
}

bool ListStore::RewriteUpdate(std::u16string_view name, int position, int newQty, double newPrice,
                              double oldPrice, double& subtotal) {
  return Rewrite(name, subtotal, [&](std::vector<ItemLine>& lines, double& adjusted) {
    if (!ValidPosition(lines, position) || !std::isfinite(newPrice)) return false;
    ItemLine& line = lines[position];
    // Without a name or a catalog the new words would slide into their places.
    if (line.name.empty() || line.catalog.empty()) return false;
    line.qty = FormatInteger(newQty);
    line.price = FormatFixed2(newPrice);
    adjusted = (newPrice + adjusted) - oldPrice;
    return true;
  });
}

}  // namespace tallyfox
