// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The striped look of the program's tables: a list view's custom-draw
// handler that any window can route its list view's notifications to.

#include "platform/notification.h"

namespace tallyfox {

// The stripes of a light colour scheme.
inline constexpr Rgb kOddRowBackground{230, 230, 250};  // lavender
inline constexpr Rgb kEvenRowBackground{255, 255, 255};

// Asks for every row to be drawn through this handler, then gives odd rows
// (1, 3, ...) the lavender background and even rows white; under a dark
// colour scheme, whose light text these would hide, the palette's alternate
// base and base. The palette is read at each painting, so a change of
// scheme while the program runs repaints the stripes to match.
void DrawStripedRows(Notification& notification);

}  // namespace tallyfox
