// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Who the program is, to the user, the desktop and software centres.

#include <string_view>

namespace tallyfox {

// The build gives the project's version, so the About page and --version agree.
inline constexpr std::u16string_view kProgramVersion = u"" TALLYFOX_VERSION;
// The launcher, the metainfo and the icons carry this name.
inline constexpr std::u16string_view kApplicationId = u"io.github.tallyfox.Tallyfox";
inline constexpr std::u16string_view kHomePage = u"https://github.com/tallyfox/tallyfox";

}  // namespace tallyfox
