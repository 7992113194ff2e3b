// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The data folder (tax.ini, exrate.dat and the lists): where it is, made
// ready for the program, and held by one copy of it at a time.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "core/files/files.h"

namespace tallyfox {

// The files a data folder holds besides the lists.
inline constexpr char kRateFileName[] = "exrate.dat";
inline constexpr char kTaxFileName[] = "tax.ini";

// A data folder found, or why none could be.
struct FoundFolder {
  std::filesystem::path folder;  // empty when there is none
  std::string problem;           // the message for the user when there is none
};

// `requested` when given (--data-dir). Else the program's own folder when it
// already holds tax.ini or exrate.dat and is writable: a portable copy.
// Else $XDG_DATA_HOME/tallyfox, by default ~/.local/share/tallyfox.
// Creates and changes nothing.
FoundFolder FindDataFolder(const std::filesystem::path& programFolder,
                           const std::filesystem::path& requested);

// Creates the folder when it is missing and checks that it is a folder the
// program may write in. The message naming the folder when not; nothing
// when it is ready. Touches no file in it.
std::optional<std::string> MakeDataFolderUsable(const std::filesystem::path& folder);

// The folder, owned for as long as this lives: locked against a second copy
// of the program, cleared of what an interrupted save left behind, and
// given the default rates when it has no rate file.
class OpenDataFolder {
 public:
  enum class Outcome { Ready, HeldElsewhere };
  // A folder that cannot be locked at all is opened without the lock: the
  // file services report what then fails.
  static Outcome Open(const std::filesystem::path& folder, std::span<const std::byte> defaultRates,
                      std::optional<OpenDataFolder>& opened);

  const std::filesystem::path& folder() const { return folder_; }

 private:
  OpenDataFolder(std::filesystem::path folder, std::optional<FolderLock> lock);

  std::filesystem::path folder_;
  std::optional<FolderLock> lock_;
};

// Removes what an interrupted save left in `folder`: our scratch files, and a
// tax.ini.new of an earlier version, known by being a regular file of a tax
// record's size. Never a file of another kind or size.
void RemoveLeftovers(const std::filesystem::path& folder);

}  // namespace tallyfox
