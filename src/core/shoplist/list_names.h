// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Which texts may name a new list. A list's name is its file's stem, so a
// name must be a plain file-name stem on every system the lists may travel
// to. "temp" is refused too: earlier versions, and other programs that read
// these folders, keep their scratch file as temp.csv and would destroy it.

#include <string_view>

namespace tallyfox {

// True for a name that may be given to a new list: not empty, not "." or
// "..", no control character and none of / \ : * ? " < > |, not ending in a
// dot or a space, and not "temp" in any letter case.
bool IsSafeListName(std::u16string_view name);

}  // namespace tallyfox
