// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/command_line.h"

namespace tallyfox {

// `tallyfox --update-rates SOURCE`: brings the data folder's rate file up to
// the European Central Bank's rates from an address or a file, with no
// display. Prints the date and how many pairs changed and gives 0, or says
// why not and gives 1. `argc` and `argv` serve the event loop the download
// needs.
int UpdateRatesCommand(const CommandLine& line, int argc, char** argv);

}  // namespace tallyfox
