// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace tallyfox {

// Puts plain text on the system clipboard.
void CopyToClipboard(std::u16string_view text);

}  // namespace tallyfox
