// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/runtime_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace tallyfox {
namespace {

constexpr mode_t kOthersAccess = S_IRWXG | S_IRWXO;

std::filesystem::path TemporaryFolder() {
  std::error_code error;
  std::filesystem::path folder = std::filesystem::temp_directory_path(error);
  return error ? std::filesystem::path("/tmp") : folder;
}

// Another user may have made the name first in the shared temporary folder,
// so a folder found there is only checked, never taken over or loosened.
std::filesystem::path OwnFolderUnderTemporary() {
  const std::filesystem::path folder = TemporaryFolder() / ("tallyfox-" + std::to_string(getuid()));
  if (mkdir(folder.c_str(), S_IRWXU) == 0) chmod(folder.c_str(), S_IRWXU);
  return folder;
}

}  // namespace

bool IsPrivateFolder(const std::filesystem::path& folder) {
  struct stat status;
  return lstat(folder.c_str(), &status) == 0 && S_ISDIR(status.st_mode) &&
         status.st_uid == getuid() && (status.st_mode & kOthersAccess) == 0;
}

std::filesystem::path UserRuntimeFolder() {
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  const bool given = runtime != nullptr && *runtime == '/';
  std::filesystem::path folder = given ? std::filesystem::path(runtime) : OwnFolderUnderTemporary();
  return IsPrivateFolder(folder) ? folder : std::filesystem::path();
}

}  // namespace tallyfox
