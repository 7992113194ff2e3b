// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader calls each control of a window, worked out from its
// template the way a sighted user reads the window: by the label beside it.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "res/dialog_template.h"

namespace tallyfox {

// A caption as shown: "&&" is one ampersand and a lone "&" marks the next
// letter, which is dropped.
std::u16string ShownCaption(std::u16string_view caption);

// A caption as spoken: as shown, with a trailing colon left off.
std::u16string SpokenCaption(std::u16string_view caption);

// One name per item, in template order. The item's own accessible name where
// the template gives one; empty where the control speaks its own caption (a
// label, button or box: its text may change at run time and is spoken as
// shown); otherwise the nearest label to its left on the same row, or the
// label heading its column. Where one name would serve several controls, each
// gets its place among them: "Price row 3".
std::vector<std::u16string> AccessibleNames(std::span<const ItemTemplate> items);

}  // namespace tallyfox
