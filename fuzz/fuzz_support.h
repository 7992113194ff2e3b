#pragma once

// What the fuzz targets share: a property check that stops the run with its
// reason, a folder of their own for the files they fuzz, and a reporter that
// keeps what the user would have been shown.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "common/reporter.h"

namespace tallyfox::fuzz {

// Ends the run as a crash, so that libFuzzer keeps the input that broke the
// property.
void Check(bool holds, std::string_view property);

// A folder made once per process and removed at its normal end.
const std::filesystem::path& ScratchFolder();

void WriteBytes(const std::filesystem::path& path, std::string_view bytes);
std::string ReadBytes(const std::filesystem::path& path);

class RecordingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages.emplace_back(message); }
  std::vector<std::u16string> messages;
};

}  // namespace tallyfox::fuzz
