#pragma once

// What the fuzz targets share: a property check that stops the run with its
// reason, a folder of their own for the files they fuzz, and a reporter that
// keeps what the user would have been shown.

#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "common/reporter.h"

namespace tallyfox::fuzz {

// Ends the run as a crash, so that libFuzzer keeps the input that broke it.
inline void Check(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", int(property.size()), property.data());
  std::abort();
}

// Made once per process, memory-backed where possible (every rewrite syncs,
// which would otherwise bound the executions per second), removed at exit.
inline const std::filesystem::path& ScratchFolder() {
  static const struct Folder {
    std::filesystem::path path;
    Folder() {
      std::string pattern =
          std::filesystem::is_directory("/dev/shm") ? "/dev/shm/tfz-XXXXXX" : "/tmp/tfz-XXXXXX";
      Check(mkdtemp(pattern.data()) != nullptr, "a scratch folder can be made");
      path = pattern;
    }
    ~Folder() {
      std::error_code ignored;
      std::filesystem::remove_all(path, ignored);
    }
  } folder;
  return folder.path;
}

inline void WriteBytes(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  Check(bool(out.write(bytes.data(), std::streamsize(bytes.size())).flush()), "it is written");
}

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct RecordingReporter : Reporter {
  void Report(std::u16string_view message) override { messages.emplace_back(message); }
  std::vector<std::u16string> messages;
};

}  // namespace tallyfox::fuzz
