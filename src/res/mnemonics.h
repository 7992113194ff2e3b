// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which letter of each button's caption Alt presses it with, worked out from
// the window's template, so that every window gets its keys by one rule.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "res/dialog_template.h"

namespace tallyfox {

inline constexpr std::size_t kNoMnemonic = std::u16string_view::npos;

// The letters Alt takes: the Latin ones, in either case.
constexpr bool IsMnemonicLetter(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// One place per item, in template order: where in its caption the letter
// stands, or kNoMnemonic. Push buttons, check boxes and radio buttons get a
// letter each, no two the same within the window (case aside): first the
// first letter of the caption, then the first letter of another of its
// words, then any letter. A caption without a free letter ("...") has none.
std::vector<std::size_t> MnemonicPlaces(std::span<const ItemTemplate> items);

}  // namespace tallyfox
