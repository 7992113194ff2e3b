// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

namespace tallyfox {

// Starts the program: runs the main window modally; the program ends when it
// closes. Nothing is saved at exit.
class CTallyfoxApp {
 public:
  int Run(const std::filesystem::path& dataFolder);
};

}  // namespace tallyfox
