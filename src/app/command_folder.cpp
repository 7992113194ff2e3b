// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/command_folder.h"

#include <cstdio>

#include "core/common/text.h"
#include "core/files/data_folder.h"
#include "platform/display.h"

namespace tallyfox {
namespace {

void PrintError(const std::string& message) {
  std::fprintf(stderr, "tallyfox: %s\n", message.c_str());
}

}  // namespace

void StandardErrorReporter::Report(std::u16string_view message) { PrintError(ToUtf8(message)); }

std::optional<std::filesystem::path> FindFolderOf(const CommandLine& line) {
  const FoundFolder found = FindDataFolder(ModulePath().parent_path(), line.dataFolder);
  if (found.folder.empty()) {
    PrintError(found.problem);
    return std::nullopt;
  }
  return found.folder;
}

std::optional<std::filesystem::path> MakeFolderOf(const CommandLine& line) {
  std::optional<std::filesystem::path> folder = FindFolderOf(line);
  if (!folder) return std::nullopt;
  if (const std::optional<std::string> problem = MakeDataFolderUsable(*folder)) {
    PrintError(*problem);
    return std::nullopt;
  }
  return folder;
}

}  // namespace tallyfox
