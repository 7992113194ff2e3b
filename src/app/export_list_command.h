// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// --export-list NAME: the list as text on standard output.

#include "app/command_line.h"

namespace tallyfox {

// Only reads: it takes no lock, so it may run beside the program, and it
// leaves no folder or file behind. Needs no display.
int ExportListCommand(const CommandLine& line);

}  // namespace tallyfox
