// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_lines.h"

#include <array>
#include <vector>

#include "core/common/text.h"

namespace tallyfox {
namespace {

constexpr std::size_t kFieldCount = 5;
constexpr std::u16string_view kFieldSeparator = u"  ";

std::u16string JoinWords(const std::vector<std::u16string_view>& words, std::size_t first,
                         std::size_t last) {
  std::u16string joined;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) joined += u' ';
    joined += words[i];
  }
  return joined;
}

// More words than fields come from a name with spaces.
ItemLine JoinNameWords(const std::vector<std::u16string_view>& words) {
  const std::size_t count = words.size();
  return ItemLine{std::u16string(words[0]), JoinWords(words, 1, count - 3),
                  std::u16string(words[count - 3]), std::u16string(words[count - 2]),
                  std::u16string(words[count - 1])};
}

}  // namespace

std::optional<ItemLine> ParseItemLine(std::u16string_view line) {
  // Words go straight into their fields: a list is read line by line, and
  // a vector per line would cost more than the rest of the reading.
  std::array<std::u16string_view, kFieldCount> words;
  const std::size_t count = SplitFirstWords(line, words);
  if (count == 0) return std::nullopt;
  if (count > kFieldCount) return JoinNameWords(SplitWords(line));
  return ItemLine{std::u16string(words[0]), std::u16string(words[1]), std::u16string(words[2]),
                  std::u16string(words[3]), std::u16string(words[4])};
}

std::u16string FormatItemLine(const ItemLine& line) {
  std::u16string text;
  AppendItemLine(text, line);
  return text;
}

void AppendItemLine(std::u16string& text, const ItemLine& line) {
  const std::array<const std::u16string*, kFieldCount> fields = {
      &line.checked, &line.name, &line.qty, &line.catalog, &line.price};
  std::size_t used = kFieldCount;
  while (used > 0 && fields[used - 1]->empty()) --used;
  for (std::size_t i = 0; i < used; ++i) {
    if (i > 0) text += kFieldSeparator;
    text += *fields[i];
  }
  text += u'\n';
}

}  // namespace tallyfox
