// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A list file of any bytes, read and then changed by one kind of rewrite or
// an append: the result reads back as the same items apart from the change
// asked for (none lost, split or cut, no word of the user's dropped, no line
// that fitted a reader's 71 characters made longer than that), and a change
// the store refuses leaves the file byte for byte as it was.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/files/file_lines.h"
#include "core/files/files.h"
#include "core/shoplist/list_lines.h"
#include "core/shoplist/list_store.h"
#include "fuzz_support.h"

namespace tallyfox::fuzz {
namespace {

constexpr std::u16string_view kList = u"list";
// Stored with a no-break space, so that the line keeps its five words.
const ItemLine kAppended{u"0", u"olive\u00A0oil", u"2", u"food", u"6.50"};

bool SameText(const ItemLine& a, const ItemLine& b) {
  return a.name == b.name && a.qty == b.qty && a.catalog == b.catalog && a.price == b.price;
}
bool SameItem(const ItemLine& a, const ItemLine& b) {
  return a.checked == b.checked && SameText(a, b);
}

struct Fixture {
  std::filesystem::path file = ScratchFolder() / "list.csv";
  std::string bytes;
  RecordingReporter reporter;
  ListStore store{ScratchFolder(), reporter};
  std::vector<ItemLine> before;
  std::vector<std::size_t> beforeLengths;
  std::optional<std::u16string> header;
  std::vector<std::size_t> lengths;  // of each item's line, LF included

  // The file's items word for word, and as many as the store hands out. A
  // first line without an item's shape is the title, kept unless blank.
  std::vector<ItemLine> Items() {
    std::vector<ItemLine> items;
    header.reset();
    lengths.clear();
    std::optional<File> opened = File::Open(file, OpenMode::Read);
    Check(opened.has_value(), "the list file is there");
    Utf16LineReader reader(*opened);
    for (bool first = true; std::optional<std::u16string> line = reader.ReadLine(); first = false) {
      std::u16string_view text = *line;
      if (first && !text.empty() && text.front() == u'\uFEFF') text.remove_prefix(1);
      if (first && !HasItemShape(text)) {
        if (!SplitWords(text).empty()) header = *line;
      } else if (std::optional<ItemLine> item = ParseItemLine(text)) {
        items.push_back(std::move(*item));
        lengths.push_back(line->size() + 1);
      }
    }
    const std::optional<ListContents> contents = store.ReadItems(kList);
    Check(contents && contents->items.size() == items.size(), "the store hands out every item");
    return items;
  }

  // The item now at `after` was at `was`: a line that fitted still does.
  void CheckLength(std::size_t after, std::size_t was) const {
    Check(lengths[after] <= kMaxLineLength || beforeLengths[was] > kMaxLineLength,
          "a rewrite makes no line too long for a reader");
  }

  // A refused change keeps the file.
  bool Refused(const std::optional<double>& subtotal) {
    if (subtotal) return false;
    Check(ReadBytes(file) == bytes, "a refused change leaves the file as it was");
    return true;
  }
};

void CheckTicks(Fixture& f, FuzzedDataProvider& input) {
  const auto mask = input.ConsumeIntegral<std::uint64_t>();
  std::vector<int> ticked;
  for (int position = 1; position <= 64; ++position) {
    if (mask >> (position - 1) & 1) ticked.push_back(position);
  }
  const std::optional<double> subtotal = f.store.RewriteChecks(kList, ticked, 1.5);
  if (f.Refused(subtotal)) return;
  Check(*subtotal == 1.5, "ticking leaves the subtotal alone");
  const std::vector<ItemLine> after = f.Items();
  Check(after.size() == f.before.size(), "ticking keeps every item");
  for (std::size_t i = 0; i < after.size(); ++i) {
    Check(SameText(after[i], f.before[i]) && f.before[i].checked.size() == 1,
          "ticking changes only one-character Checked fields");
    Check(after[i].checked == (i < 64 && (mask >> i & 1) ? u"1" : u"0"), "each item as asked");
    f.CheckLength(i, i);
  }
}

void CheckDelete(Fixture& f, FuzzedDataProvider& input) {
  const int count = int(f.before.size());
  const int position = input.ConsumeIntegralInRange<int>(-1, count);
  const std::optional<double> subtotal = f.store.RewriteDelete(kList, position, 10);
  Check(subtotal || position < 0 || position >= count, "deleting an item that exists succeeds");
  if (f.Refused(subtotal)) return;
  const std::vector<ItemLine> after = f.Items();
  Check(after.size() + 1 == f.before.size(), "a delete removes one item");
  for (std::size_t i = 0; i < after.size(); ++i) {
    const std::size_t was = i < std::size_t(position) ? i : i + 1;
    Check(SameItem(after[i], f.before[was]), "a delete keeps every other item as it was");
    f.CheckLength(i, was);
  }
  const double expected = 10 - ReadNumber(f.before[position].price);
  Check(*subtotal == expected || (std::isnan(*subtotal) && std::isnan(expected)),
        "a delete takes the item's price off the subtotal");
}

bool GrowsALongLine(ItemLine line, int qty, double price) {
  const std::size_t before = FormatItemLine(line).size();
  line.qty = FormatInteger(qty);
  line.price = FormatFixed2(price);
  const std::size_t after = FormatItemLine(line).size();
  return after > kMaxLineLength && after > before;
}

void CheckUpdate(Fixture& f, FuzzedDataProvider& input) {
  const int count = int(f.before.size());
  const int position = input.ConsumeIntegralInRange<int>(-1, count);
  const int qty = input.ConsumeIntegral<int>();
  const double price = input.ConsumeIntegralInRange<int>(-100000, 100000) / 100.0;
  const std::optional<double> subtotal =
      f.store.RewriteUpdate(kList, position, qty, price, 2.5, 10);
  Check(subtotal || position < 0 || position >= count || f.before[position].name.empty() ||
            f.before[position].catalog.empty() || FormatInteger(qty).size() > 3 ||
            GrowsALongLine(f.before[position], qty, price),
        "updating an item that has a name and a catalog succeeds");
  if (f.Refused(subtotal)) return;
  std::vector<ItemLine> expected = f.before;
  expected[position].qty = FormatInteger(qty);
  expected[position].price = FormatFixed2(price);
  const std::vector<ItemLine> after = f.Items();
  Check(std::ranges::equal(after, expected, SameItem), "an update changes quantity and price only");
  for (std::size_t i = 0; i < after.size(); ++i) f.CheckLength(i, i);
  Check(*subtotal == (price + 10) - 2.5, "an update moves the subtotal by the price change");
}

void CheckAppend(Fixture& f) {
  Check(f.store.AppendItem(
            kList, {false, u"olive oil", kAppended.qty, kAppended.catalog, kAppended.price}),
        "an item can be appended to any list file");
  const std::vector<ItemLine> after = f.Items();
  // A character cut short at the file's end is completed first, which may
  // lengthen the last item, make an item of a lone byte, or give a first line
  // a word more, so that the item it was reads as the list's title.
  const bool torn = f.bytes.size() % 2 != 0;
  const std::size_t count = f.before.size();
  Check(after.size() == count + 1 || (torn && after.size() >= count && after.size() <= count + 2),
        "an append adds one");
  for (std::size_t i = 0; i < (torn && count > 0 ? count - 1 : count); ++i) {
    Check(SameItem(after[i], f.before[i]), "an append keeps the items before it");
  }
  Check(SameItem(after.back(), kAppended), "the appended item comes last, whole");
  Check(f.lengths.back() <= kMaxLineLength, "the appended line fits a reader");
}

}  // namespace
}  // namespace tallyfox::fuzz

// The input is one byte for the kind of change, eight for its arguments and
// then the list file, so that a seed is a list file behind nine bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox::fuzz;
  constexpr std::size_t kHeader = 9;
  if (size < kHeader) return 0;
  FuzzedDataProvider arguments(data + 1, kHeader - 1);
  Fixture f;
  f.bytes.assign(reinterpret_cast<const char*>(data) + kHeader, size - kHeader);
  WriteBytes(f.file, f.bytes);
  f.before = f.Items();
  f.beforeLengths = f.lengths;
  const std::optional<std::u16string> headerBefore = f.header;
  const int change = data[0] % 4;
  if (change == 0) CheckTicks(f, arguments);
  if (change == 1) CheckDelete(f, arguments);
  if (change == 2) CheckUpdate(f, arguments);
  if (change == 3) CheckAppend(f);
  Check(f.reporter.messages.empty() || change == 0, "only a refused tick rewrite says anything");
  // A character cut short at the end may lengthen a title that is the last line.
  Check(!headerBefore || f.header == headerBefore || (change == 3 && f.bytes.size() % 2 != 0),
        "every change keeps the header line as it was");
  Check(std::distance(std::filesystem::directory_iterator(ScratchFolder()), {}) == 1,
        "no scratch file stays behind");
  return 0;
}
