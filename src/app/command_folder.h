// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The data folder a command works on, as the command line and the rules
// say; where there is none, the reason is printed on standard error.

#include <filesystem>
#include <optional>
#include <string_view>

#include "app/command_line.h"
#include "core/common/reporter.h"

namespace tallyfox {

// What every command says when another copy of the program holds its folder.
inline constexpr char16_t kAlreadyRunning[] = u"Tallyfox is already running on this folder.";

// A command's errors, on standard error after the program's name.
class StandardErrorReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override;
};

// Found only: nothing is created, for a command that merely reads.
std::optional<std::filesystem::path> FindFolderOf(const CommandLine& line);
// Created when missing and checked to be a folder the program may write in.
std::optional<std::filesystem::path> MakeFolderOf(const CommandLine& line);

}  // namespace tallyfox
