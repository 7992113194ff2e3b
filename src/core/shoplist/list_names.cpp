// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_names.h"

#include <algorithm>

#include "core/common/text.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kReservedStem = u"temp";
constexpr std::u16string_view kForbiddenCharacters = u"/\\:*?\"<>|";

constexpr char16_t LowerAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? c + (u'a' - u'A') : c; }

bool IsForbiddenCharacter(char16_t c) {
  return IsControlCharacter(c) || kForbiddenCharacters.find(c) != std::u16string_view::npos;
}

// In any letter case, as a file system that ignores it would see it.
bool IsReservedStem(std::u16string_view name) {
  return std::ranges::equal(name, kReservedStem,
                            [](char16_t a, char16_t b) { return LowerAscii(a) == b; });
}

}  // namespace

bool IsSafeListName(std::u16string_view name) {
  // A final dot also rules out "." and "..".
  if (name.empty() || name.back() == u'.' || name.back() == u' ') return false;
  if (std::ranges::any_of(name, IsForbiddenCharacter)) return false;
  return !IsReservedStem(name);
}

}  // namespace tallyfox
