// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the program keeps its data: tax.ini, exrate.dat and the lists.

#include <filesystem>

namespace tallyfox {

// `requested` when one was given (the command line's --data-dir). Otherwise
// the folder that holds the executable, as a per-user install or a portable
// copy has it, where that folder is writable; but not the bin/ folder of a
// system install, known by its shipped rates in ../share/tallyfox/. Otherwise
// the user's data folder by the XDG rules: $XDG_DATA_HOME/tallyfox, by default
// ~/.local/share/tallyfox. A folder other than the executable's is created
// when missing and given the shipped rate file when it has none.
std::filesystem::path ChooseDataFolder(const std::filesystem::path& executable,
                                       const std::filesystem::path& requested);

// The folder ChooseDataFolder gives, found without creating or copying
// anything: for a look at the data that must leave no trace, and for the
// program's start, which locks the folder before it touches a file in it.
std::filesystem::path FindDataFolder(const std::filesystem::path& executable,
                                     const std::filesystem::path& requested);

// What ChooseDataFolder does to a folder FindDataFolder found.
void PrepareDataFolder(const std::filesystem::path& folder,
                       const std::filesystem::path& executable);

}  // namespace tallyfox
