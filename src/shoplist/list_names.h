#pragma once

// Which texts may name a new list. A list's name is its file's stem, so a
// name must be a plain file-name stem on every system the lists may travel
// to, and must never name the scratch file.

#include <string_view>

namespace tallyfox {

// True for a name that may be given to a new list: not empty, not "." or
// "..", no control character and none of / \ : * ? " < > |, not ending in a
// dot or a space, and not the scratch file's stem in any letter case.
bool IsSafeListName(std::u16string_view name);

// True when the name's file is the scratch file, or is it where the file
// system ignores letter case.
bool NamesScratchFile(std::u16string_view name);

}  // namespace tallyfox
