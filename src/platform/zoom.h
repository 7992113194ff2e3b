// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How much larger than normal the windows are drawn, in percent: the user's
// zoom. The templates are laid out in dialog units of the dialog font, so a
// larger font makes every window larger; the few sizes given in pixels (list
// columns, page offsets) are scaled by Zoomed().

namespace tallyfox {

inline constexpr int kNormalZoom = 100;
inline constexpr int kSmallestZoom = 80;
inline constexpr int kLargestZoom = 300;
inline constexpr int kZoomStep = 10;
// A window made large by hand may draw past the largest zoom a key gives.
inline constexpr int kLargestDrawnZoom = 1000;

int Zoom();
// Kept within kSmallestZoom and kLargestDrawnZoom. Windows built from then on use
// it; an open one follows its ApplyZoom().
void SetZoom(int percent);
// `pixels` at the zoom in force, rounded to the nearest.
int Zoomed(int pixels);

}  // namespace tallyfox
