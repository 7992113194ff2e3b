// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Data for the benchmarks as a user would keep it, and somewhere on a real
// disk to keep it.

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/common/reporter.h"
#include "core/files/files.h"

namespace tallyfox::bench {

// A list file of `itemCount` items: grocery names of every length, small
// quantities, the catalogs of the Item Edit dialog, prices, a quarter ticked.
std::u16string ListFileText(int itemCount);

// Plain POSIX calls, the simplest code that handles a file's bytes: the
// floors of the file benchmarks, and their set-up.
std::vector<std::byte> ReadFileBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, std::span<const std::byte> bytes);

// A fresh folder in the current directory, removed with its contents. Not
// under /tmp: that may be a memory file system, where a flush costs nothing.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Domain errors cannot happen on the benchmarks' own data; any that does
// stops the run, so a figure never hides a failure.
class FailingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override;
};

}  // namespace tallyfox::bench
