#pragma once

// Test support for code that touches files: byte helpers that do not go
// through the code under test, and injected faults.

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_faults.h"

namespace tallyfox::testing {

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
