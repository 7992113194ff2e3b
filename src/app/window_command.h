// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's window over its data folder: what a start without a
// command does.

#include "app/command_line.h"

namespace tallyfox {

// A data folder that cannot serve ends it with 1 before a display is
// needed; no display, with 2; a folder held by another copy, with 1.
int WindowCommand(const CommandLine& line, int argc, char** argv);

}  // namespace tallyfox
