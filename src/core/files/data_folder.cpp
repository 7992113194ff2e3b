// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/data_folder.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "core/files/files.h"

namespace tallyfox {
namespace {

constexpr char kRateFileName[] = "exrate.dat";
constexpr std::size_t kMostRateFileBytes = 1024 * 1024;

std::filesystem::path ShippedRateFile(const std::filesystem::path& programFolder) {
  return programFolder.parent_path() / "share" / "tallyfox" / kRateFileName;
}

// Relative values are to be ignored, as the XDG rules say.
std::filesystem::path UserDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome != nullptr && std::filesystem::path(dataHome).is_absolute()) {
    return std::filesystem::path(dataHome) / "tallyfox";
  }
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') return {};
  return std::filesystem::path(home) / ".local" / "share" / "tallyfox";
}

// A rate set in the program lives in the user's copy, so the shipped one is
// copied only where there is none.
void GiveShippedRates(const std::filesystem::path& folder, const std::filesystem::path& shipped) {
  if (FileExists(folder / kRateFileName)) return;
  if (const auto bytes = ReadWholeFile(shipped, kMostRateFileBytes)) {
    ReplaceFile(folder / kRateFileName, *bytes);
  }
}

}  // namespace

std::filesystem::path ChooseDataFolder(const std::filesystem::path& executable,
                                       const std::filesystem::path& requested) {
  const std::filesystem::path folder = FindDataFolder(executable, requested);
  PrepareDataFolder(folder, executable);
  return folder;
}

void PrepareDataFolder(const std::filesystem::path& folder,
                       const std::filesystem::path& executable) {
  const std::filesystem::path programFolder = executable.parent_path();
  if (folder == programFolder) return;
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  GiveShippedRates(folder, ShippedRateFile(programFolder));
}

std::filesystem::path FindDataFolder(const std::filesystem::path& executable,
                                     const std::filesystem::path& requested) {
  if (!requested.empty()) return requested;
  const std::filesystem::path programFolder = executable.parent_path();
  const bool systemInstall = FileExists(ShippedRateFile(programFolder));
  if (!systemInstall && access(programFolder.c_str(), W_OK) == 0) return programFolder;
  const std::filesystem::path user = UserDataFolder();
  return user.empty() ? programFolder : user;
}

}  // namespace tallyfox
