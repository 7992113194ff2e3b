// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tallyfox {

// White space as the C locale's isspace() knows it: space, \t, \n, \v, \f, \r.
constexpr bool IsSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }

constexpr bool HasSpace(std::u16string_view text) {
  for (const char16_t c : text) {
    if (IsSpace(c)) return true;
  }
  return false;
}

// C0 and C1 control characters and DEL, NUL included.
constexpr bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
constexpr bool IsControlCharacter(char16_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

constexpr char16_t kReplacementCharacter = u'\uFFFD';

// Unpaired surrogates become U+FFFD.
std::string ToUtf8(std::u16string_view text);

// Invalid sequences become U+FFFD, one for each maximal invalid part.
std::u16string FromUtf8(std::string_view text);

// Bytes outside ASCII become U+FFFD.
std::u16string FromAscii(std::string_view text);

// The first n code units, or all of a shorter text.
std::u16string_view Left(std::u16string_view text, std::size_t n);

// The maximal runs of characters that are not white space, in order.
std::vector<std::u16string_view> SplitWords(std::u16string_view line);

// The same words without allocating: the first ones fill `words`, and the
// count of all of them comes back, so that a caller can tell a line with
// more words than it takes.
std::size_t SplitFirstWords(std::u16string_view line, std::span<std::u16string_view> words);

}  // namespace tallyfox
