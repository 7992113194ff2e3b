#pragma once

#include <string_view>

namespace tallyfox {

// Puts plain text on the system clipboard.
void CopyToClipboard(std::u16string_view text);

}  // namespace tallyfox
