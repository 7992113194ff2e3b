// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: the tab control that carries the five pages.

namespace tallyfox {

inline constexpr int kIddMainPortrait = 102;
inline constexpr int kIddMainLandscape = 103;

inline constexpr int kIdcTabControl = 1001;

}  // namespace tallyfox
