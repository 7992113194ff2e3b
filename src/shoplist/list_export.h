// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Copy as Text" and "Print…" on a control that shows shopping lists.

#include <functional>
#include <optional>
#include <vector>

#include "core/shoplist/list_text.h"
#include "platform/context_menu.h"
#include "platform/controls.h"

namespace tallyfox {

// `sheet` gives the list as it stands when the user asks, or nothing when
// there is none to give. With `onCopyKey` Ctrl+C copies too. `more` follows
// in the menu.
void SetListExportMenu(Control& control, std::function<std::optional<ListSheet>()> sheet,
                       bool onCopyKey, std::vector<MenuCommand> more = {});

}  // namespace tallyfox
