// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_lines.h"

#include <algorithm>
#include <array>
#include <vector>

#include "core/common/text.h"

namespace tallyfox {
namespace {

constexpr std::size_t kFieldCount = 5;
constexpr char16_t kNoBreakSpace = u'\u00A0';

std::u16string JoinWords(const std::vector<std::u16string_view>& words, std::size_t first,
                         std::size_t last) {
  std::u16string joined;
  for (std::size_t i = first; i < last; ++i) {
    if (i > first) joined += kNoBreakSpace;
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

bool IsWholeNumber(std::u16string_view word) {
  return !word.empty() && std::ranges::all_of(word, IsDigit);
}

std::u16string Replaced(std::u16string_view text, char16_t from, char16_t to) {
  std::u16string result(text);
  std::ranges::replace(result, from, to);
  return result;
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

bool HasItemShape(std::u16string_view line) {
  std::array<std::u16string_view, kFieldCount> words;
  return SplitFirstWords(line, words) == kFieldCount && (words[0] == u"0" || words[0] == u"1") &&
         IsWholeNumber(words[2]);
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
  std::size_t length = 1;  // the LF
  while (used > 0 && fields[used - 1]->empty()) --used;
  for (std::size_t i = 0; i < used; ++i) length += fields[i]->size();
  const std::size_t gaps = used > 0 ? used - 1 : 0;
  const bool narrow = length + 2 * gaps > kMaxLineLength && length + gaps <= kMaxLineLength;
  const std::u16string_view separator = narrow ? u" " : u"  ";
  for (std::size_t i = 0; i < used; ++i) {
    if (i > 0) text += separator;
    text += *fields[i];
  }
  text += u'\n';
}

std::u16string StoredWords(std::u16string_view shown) {
  return Replaced(shown, u' ', kNoBreakSpace);
}

std::u16string ShownWords(std::u16string_view stored) {
  return Replaced(stored, kNoBreakSpace, u' ');
}

bool HasLooseSpaces(std::u16string_view text) {
  if (!text.empty() && (text.front() == u' ' || text.back() == u' ')) return true;
  if (text.find(u"  ") != std::u16string_view::npos) return true;
  return std::ranges::any_of(text, [](char16_t c) { return c != u' ' && IsSpace(c); });
}

}  // namespace tallyfox
