// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The zoom is the user's own, remembered in the user's configuration folder
// (~/.config/tallyfox/), never in the data folder that a list travels with.

namespace tallyfox {

// The zoom last saved; where none is, or the one saved is no whole number
// within the zoom's range, the zoom at which the main window fits the
// screen: across a phone's screen, or half a desktop screen's height.
int LoadZoom();
void SaveZoom(int percent);

}  // namespace tallyfox
