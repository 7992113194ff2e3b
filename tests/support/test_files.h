// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Test support for code that touches files: a folder of the test's own, byte
// helpers that do not go through the code under test, injected faults, and a
// reporter that keeps what the user would have been shown.

#include <sys/resource.h>

#include <csignal>
#include <cstddef>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/common/reporter.h"
#include "core/files/file_faults.h"

namespace tallyfox::testing {

// A fresh folder for one test, removed with everything in it afterwards, even
// where the test took its write permission away.
class TempFolder {
 public:
  TempFolder() {
    std::random_device seed;
    path_ = std::filesystem::temp_directory_path() /
            ("tallyfox-test-" + std::to_string(seed()) + "-" + std::to_string(seed()));
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// A disk with room for `bytes` more: a write past them fails with EFBIG, as
// on a full disk, instead of SIGXFSZ ending the process.
class ScopedDiskRoom {
 public:
  explicit ScopedDiskRoom(rlim_t bytes) : handlerBefore_(signal(SIGXFSZ, SIG_IGN)) {
    getrlimit(RLIMIT_FSIZE, &before_);
    const rlimit room{bytes, before_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &room);
  }
  ~ScopedDiskRoom() {
    setrlimit(RLIMIT_FSIZE, &before_);
    signal(SIGXFSZ, handlerBefore_);
  }

 private:
  sighandler_t handlerBefore_;
  rlimit before_{};
};

// Unsets the named variables, or sets one, for as long as it lives, then puts
// back what each held (or leaves it unset where it was).
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, const std::filesystem::path& value)
      : ScopedEnvironment({name}) {
    setenv(name, value.c_str(), 1);
  }
  explicit ScopedEnvironment(std::initializer_list<const char*> names) {
    for (const char* name : names) {
      const char* value = std::getenv(name);
      saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      unsetenv(name);
    }
  }
  ~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name.c_str(), value->c_str(), 1);
      if (!value) unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

class RecordingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages.emplace_back(message); }
  std::vector<std::u16string> messages;
};

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline std::vector<std::byte> AsBytes(std::string_view text) {
  const auto* data = reinterpret_cast<const std::byte*>(text.data());
  return {data, data + text.size()};
}

inline std::string Utf16Le(std::u16string_view text) {
  std::string bytes;
  for (const char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// Makes every operation of one kind fail, whatever its path.
class FailingOperation : public FileFaults {
 public:
  explicit FailingOperation(FileOperation operation) : operation_(operation) {}
  bool ShouldFail(FileOperation operation, const std::filesystem::path&) override {
    return operation == operation_;
  }

 private:
  FileOperation operation_;
};

}  // namespace tallyfox::testing
