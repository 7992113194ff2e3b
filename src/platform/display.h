// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the system tells about the screen and the program: display
// orientation, screen size and where the running executable is.

#include <filesystem>

namespace tallyfox {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// 0 for a portrait-shaped primary screen, 90 for a landscape-shaped (or
// square) one, unless a test has set it.
int DisplayOrientation();

ScreenSize PrimaryScreenSize();

// The part of the primary screen that windows may take: the whole screen less
// the desktop's panels.
ScreenSize AvailableScreenSize();

// A phone's screen: narrower than a page could be laid out beside another.
bool IsNarrowScreen();

// The running executable, links resolved; empty when it cannot be found.
std::filesystem::path ModulePath();

}  // namespace tallyfox
