// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The striped look of the program's tables: a list view's custom-draw
// handler that any window can route its list view's notifications to.

#include "platform/notification.h"

namespace tallyfox {

inline constexpr Rgb kOddRowBackground{230, 230, 250};  // lavender
inline constexpr Rgb kEvenRowBackground{255, 255, 255};

// Asks for every row to be drawn through this handler, then gives odd rows
// (1, 3, ...) the lavender background and even rows white.
void DrawStripedRows(Notification& notification);

}  // namespace tallyfox
