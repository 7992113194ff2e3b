// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The About page.

namespace tallyfox {

inline constexpr int kIddAboutPortrait = 131;
inline constexpr int kIddAboutLandscape = 135;

inline constexpr int kIdcVersion = 1033;    // replaced by the version text at creation
inline constexpr int kIdcInfoLine4 = 1020;  // the home page, as a link

}  // namespace tallyfox
