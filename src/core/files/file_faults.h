// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

namespace tallyfox {

enum class FileOperation { Open, Read, Write, Flush, Close, Replace, Remove, List, Truncate };

// For tests: decides which file operations fail, so that error paths can be
// exercised without breaking a real disk. The program never installs one.
class FileFaults {
 public:
  virtual ~FileFaults() = default;
  virtual bool ShouldFail(FileOperation operation, const std::filesystem::path& path) = 0;
};

// For tests: installs `faults` for its lifetime and then restores whatever was
// installed before. This is the one process-wide hook of the file services.
class ScopedFileFaults {
 public:
  explicit ScopedFileFaults(FileFaults& faults);
  ~ScopedFileFaults();
  ScopedFileFaults(const ScopedFileFaults&) = delete;
  ScopedFileFaults& operator=(const ScopedFileFaults&) = delete;

 private:
  FileFaults* previous_;
};

// Asked by every file operation before it acts; false unless a test says so.
bool FileFaultInjected(FileOperation operation, const std::filesystem::path& path);

}  // namespace tallyfox
