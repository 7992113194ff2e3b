// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/data_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>

namespace tallyfox {
namespace {

// Earlier versions wrote the tax record here first; 12 bytes, 14 with a
// five-character rate.
constexpr char kOldTaxScratchName[] = "tax.ini.new";
constexpr off_t kTaxRecordSizes[] = {12, 14};

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

// Relative values are to be ignored, as the XDG rules say.
std::filesystem::path UserDataFolder() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (IsSet(dataHome) && std::filesystem::path(dataHome).is_absolute()) {
    return std::filesystem::path(dataHome) / "tallyfox";
  }
  const char* home = std::getenv("HOME");
  if (!IsSet(home)) return {};
  return std::filesystem::path(home) / ".local" / "share" / "tallyfox";
}

bool IsPortableCopy(const std::filesystem::path& programFolder) {
  return !programFolder.empty() &&
         (FileExists(programFolder / kTaxFileName) || FileExists(programFolder / kRateFileName)) &&
         access(programFolder.c_str(), W_OK | X_OK) == 0;
}

std::string Named(const std::filesystem::path& folder) {
  return "The data folder " + folder.string();
}

// A rate set in the program lives in the folder's file, so the default rates
// go only where there is none.
void GiveDefaultRates(const std::filesystem::path& folder, std::span<const std::byte> rates) {
  if (rates.empty() || FileExists(folder / kRateFileName)) return;
  ReplaceFile(folder / kRateFileName, rates);
}

bool IsOurOldTaxScratch(const std::filesystem::path& path) {
  struct stat status;
  if (lstat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  for (const off_t size : kTaxRecordSizes) {
    if (status.st_size == size) return true;
  }
  return false;
}

}  // namespace

FoundFolder FindDataFolder(const std::filesystem::path& programFolder,
                           const std::filesystem::path& requested) {
  if (!requested.empty()) return {requested, {}};
  if (IsPortableCopy(programFolder)) return {programFolder, {}};
  std::filesystem::path user = UserDataFolder();
  if (user.empty()) {
    return {{},
            "Neither HOME nor XDG_DATA_HOME is set, so there is no data folder; "
            "name one with --data-dir FOLDER."};
  }
  return {std::move(user), {}};
}

std::optional<std::string> MakeDataFolderUsable(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  struct stat status;
  if (stat(folder.c_str(), &status) != 0) {
    const std::string reason = error ? error.message() : std::strerror(errno);
    return Named(folder) + " cannot be created: " + reason + ".";
  }
  if (!S_ISDIR(status.st_mode)) return Named(folder) + " is not a folder.";
  if (access(folder.c_str(), W_OK | X_OK) != 0) return Named(folder) + " cannot be written to.";
  return std::nullopt;
}

OpenDataFolder::OpenDataFolder(std::filesystem::path folder, std::optional<FolderLock> lock)
    : folder_(std::move(folder)), lock_(std::move(lock)) {}

OpenDataFolder::Outcome OpenDataFolder::Open(const std::filesystem::path& folder,
                                             std::span<const std::byte> defaultRates,
                                             std::optional<OpenDataFolder>& opened) {
  // A second copy on the same folder would overwrite the first one's changes,
  // so it leaves before touching any file.
  std::optional<FolderLock> lock;
  if (FolderLock::Take(folder, lock) == FolderLock::Outcome::HeldElsewhere) {
    return Outcome::HeldElsewhere;
  }
  RemoveLeftovers(folder);
  GiveDefaultRates(folder, defaultRates);
  opened.emplace(OpenDataFolder(folder, std::move(lock)));
  return Outcome::Ready;
}

void RemoveLeftovers(const std::filesystem::path& folder) {
  RemoveLeftoverScratchFiles(folder);
  const std::filesystem::path oldScratch = folder / kOldTaxScratchName;
  if (IsOurOldTaxScratch(oldScratch)) RemoveFile(oldScratch);
}

}  // namespace tallyfox
