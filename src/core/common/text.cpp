// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/text.h"

#include <algorithm>

namespace tallyfox {

namespace {

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

void AppendUtf16(std::u16string& out, char32_t code) {
  if (code < 0x10000) {
    out += static_cast<char16_t>(code);
  } else {
    code -= 0x10000;
    out += static_cast<char16_t>(0xD800 + (code >> 10));
    out += static_cast<char16_t>(0xDC00 + (code & 0x3FF));
  }
}

// What a UTF-8 lead byte promises: the sequence length and the range its
// second byte must fall in, which rules out overlong forms, surrogates and
// code points beyond U+10FFFF. A length of 0 marks a byte that cannot lead.
struct LeadByte {
  int length;
  unsigned char secondLow;
  unsigned char secondHigh;
};

LeadByte DescribeLeadByte(unsigned char byte) {
  if (byte < 0x80) return {1, 0, 0};
  if (byte >= 0xC2 && byte <= 0xDF) return {2, 0x80, 0xBF};
  if (byte == 0xE0) return {3, 0xA0, 0xBF};
  if (byte == 0xED) return {3, 0x80, 0x9F};
  if (byte >= 0xE1 && byte <= 0xEF) return {3, 0x80, 0xBF};
  if (byte == 0xF0) return {4, 0x90, 0xBF};
  if (byte >= 0xF1 && byte <= 0xF3) return {4, 0x80, 0xBF};
  if (byte == 0xF4) return {4, 0x80, 0x8F};
  return {0, 0, 0};
}

}  // namespace

std::string ToUtf8(std::u16string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t unit = text[i];
    if (IsHighSurrogate(unit) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((char32_t{unit} - 0xD800) << 10) + (text[i + 1] - 0xDC00));
      ++i;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      AppendUtf8(out, kReplacementCharacter);
    } else {
      AppendUtf8(out, unit);
    }
  }
  return out;
}

std::u16string FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const LeadByte expected = DescribeLeadByte(lead);
    if (expected.length == 0) {
      out += kReplacementCharacter;
      ++i;
      continue;
    }
    char32_t code = expected.length == 1 ? lead : lead & (0x7F >> expected.length);
    int taken = 1;
    for (; taken < expected.length && i + taken < text.size(); ++taken) {
      const auto next = static_cast<unsigned char>(text[i + taken]);
      const bool fits = taken == 1 ? next >= expected.secondLow && next <= expected.secondHigh
                                   : next >= 0x80 && next <= 0xBF;
      if (!fits) break;
      code = (code << 6) | (next & 0x3F);
    }
    if (taken == expected.length) {
      AppendUtf16(out, code);
    } else {
      out += kReplacementCharacter;
    }
    i += taken;
  }
  return out;
}

std::u16string FromAscii(std::string_view text) {
  std::u16string out(text.size(), u'\0');
  std::transform(text.begin(), text.end(), out.begin(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x80 ? static_cast<char16_t>(byte) : kReplacementCharacter;
  });
  return out;
}

std::u16string_view Left(std::u16string_view text, std::size_t n) { return text.substr(0, n); }

namespace {

// The word at or after `position`, which moves past it; empty at the end.
std::u16string_view NextWord(std::u16string_view line, std::size_t& position) {
  while (position < line.size() && IsSpace(line[position])) ++position;
  const std::size_t start = position;
  while (position < line.size() && !IsSpace(line[position])) ++position;
  return line.substr(start, position - start);
}

}  // namespace

std::vector<std::u16string_view> SplitWords(std::u16string_view line) {
  std::vector<std::u16string_view> words;
  std::size_t position = 0;
  for (auto word = NextWord(line, position); !word.empty(); word = NextWord(line, position)) {
    words.push_back(word);
  }
  return words;
}

std::size_t SplitFirstWords(std::u16string_view line, std::span<std::u16string_view> words) {
  std::size_t count = 0;
  std::size_t position = 0;
  for (auto word = NextWord(line, position); !word.empty(); word = NextWord(line, position)) {
    if (count < words.size()) words[count] = word;
    ++count;
  }
  return count;
}

}  // namespace tallyfox
