// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/mnemonics.h"

#include <array>
#include <functional>

namespace tallyfox {
namespace {

char16_t Folded(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

bool HasMnemonic(const ItemTemplate& item) {
  return item.kind == ControlKind::PushButton || item.kind == ControlKind::CheckBox ||
         item.kind == ControlKind::RadioButton;
}

// A place a pass may give: whether the letter at `at` of `caption` counts.
using Candidate = std::function<bool(std::u16string_view caption, std::size_t at)>;

bool StartsWord(std::u16string_view caption, std::size_t at) {
  for (std::size_t i = at; i > 0; --i) {
    if (caption[i - 1] == u' ') return true;
    if (IsMnemonicLetter(caption[i - 1])) return false;
  }
  return true;
}

bool FirstLetter(std::u16string_view caption, std::size_t at) {
  for (std::size_t i = 0; i < at; ++i) {
    if (IsMnemonicLetter(caption[i])) return false;
  }
  return true;
}

}  // namespace

std::vector<std::size_t> MnemonicPlaces(std::span<const ItemTemplate> items) {
  std::vector<std::size_t> places(items.size(), kNoMnemonic);
  std::array<bool, 26> taken{};
  // The earlier passes go through every control before a later pass takes a
  // second choice, so that "Set & Save" keeps its S against a radio button
  // before it that could have another letter.
  const std::array<Candidate, 3> passes = {FirstLetter, StartsWord,
                                           [](std::u16string_view, std::size_t) { return true; }};
  for (const Candidate& counts : passes) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (!HasMnemonic(items[i]) || places[i] != kNoMnemonic) continue;
      const std::u16string_view caption = items[i].caption;
      for (std::size_t at = 0; at < caption.size(); ++at) {
        if (!IsMnemonicLetter(caption[at]) || !counts(caption, at)) continue;
        bool& letter = taken[Folded(caption[at]) - u'a'];
        if (letter) continue;
        letter = true;
        places[i] = at;
        break;
      }
    }
  }
  return places;
}

}  // namespace tallyfox
