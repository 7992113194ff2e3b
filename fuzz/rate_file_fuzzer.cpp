// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A rate file of any bytes and a typed rate of any text: the lookup never
// fails on a file that is there, "Set" either refuses with the file left as
// it was or rewrites it with every line that is not of the pair unchanged,
// and a lookup afterwards gives the stored rate and its reverse.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/converter/exchange_rates.h"
#include "core/files/file_lines.h"
#include "core/files/files.h"
#include "fuzz_support.h"

namespace tallyfox::fuzz {
namespace {

constexpr std::int32_t kLastPosition = 25;

// The lines after the header, as the rate file's reader sees them.
std::vector<std::u16string> DataLines(const std::filesystem::path& path) {
  std::optional<File> file = File::Open(path, OpenMode::Read);
  Check(file.has_value(), "the rate file is there");
  Utf16LineReader reader(*file);
  reader.ReadLine();
  std::vector<std::u16string> lines;
  while (std::optional<std::u16string> line = reader.ReadLine()) lines.push_back(*line);
  return lines;
}

bool IsLineOf(std::u16string_view line, std::int32_t from, std::int32_t to) {
  const std::vector<std::u16string_view> fields = SplitWords(line);
  return fields.size() >= 3 && ReadInteger(fields[0]) == from && ReadInteger(fields[1]) == to;
}

// A line of the pair, rewritten: its own position fields and the new rate.
bool IsRewritten(std::u16string_view before, std::u16string_view after, std::u16string_view rate) {
  const std::vector<std::u16string_view> fields = SplitWords(before);
  return after == std::u16string(fields[0]) + u"  " + std::u16string(fields[1]) + u"  " +
                      std::u16string(rate) + u"  ";
}

void CheckRewrittenLines(const std::vector<std::u16string>& before,
                         const std::vector<std::u16string>& after, std::int32_t from,
                         std::int32_t to, std::u16string_view rate, std::u16string_view reverse) {
  Check(after.size() >= before.size() && after.size() <= before.size() + 2,
        "Set keeps every line and adds at most the pair's two");
  for (std::size_t i = 0; i < before.size(); ++i) {
    if (IsLineOf(before[i], from, to)) {
      Check(IsRewritten(before[i], after[i], rate), "the pair's line takes the new rate");
    } else if (IsLineOf(before[i], to, from)) {
      Check(IsRewritten(before[i], after[i], reverse), "the reverse line takes its rate");
    } else {
      Check(after[i] == before[i], "every line not of the pair comes back unchanged");
    }
  }
}

// The length of the header line with its LF, in a rate file: UTF-16LE, so an
// even number of bytes, with an LF among the first 15 characters; or a file
// without lines, empty or the byte-order mark alone. Anything else would read
// as one long header line.
std::optional<std::size_t> HeaderBytes(const std::string& bytes) {
  if (bytes.empty() || bytes == "\xFF\xFE") return bytes.size();
  for (std::size_t i = 0; i + 1 < std::min<std::size_t>(bytes.size(), 30); i += 2) {
    if (bytes[i] == '\n' && bytes[i + 1] == 0 && bytes.size() % 2 == 0) return i + 2;
  }
  return std::nullopt;
}

std::ptrdiff_t FilesInFolder() {
  return std::distance(std::filesystem::directory_iterator(ScratchFolder()), {});
}

}  // namespace
}  // namespace tallyfox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox;
  using namespace tallyfox::fuzz;
  // The input is the pair, the length of the typed rate, the rate as UTF-8
  // and then the rate file.
  if (size < 3 || size < 3u + data[2] % 16) return 0;
  const std::int32_t from = data[0] % (kLastPosition + 1);
  const std::int32_t to = data[1] % (kLastPosition + 1);
  const std::size_t typedLength = data[2] % 16;
  const char* const text = reinterpret_cast<const char*>(data) + 3;
  const std::u16string typed = FromUtf8(std::string_view(text, typedLength));
  const std::string bytes(text + typedLength, size - 3 - typedLength);
  const std::filesystem::path rateFile = ScratchFolder() / "exrate.dat";
  WriteBytes(rateFile, bytes);

  const std::optional<std::size_t> headerBytes = HeaderBytes(bytes);
  const bool ours = headerBytes.has_value();
  RecordingReporter reporter;
  const double before = ReadExchangeRate(rateFile, from, to, reporter);
  Check(reporter.messages.empty() == ours, "a rate file is read exactly when it is one");
  Check(!std::isnan(before), "a looked-up rate is a number");
  reporter.messages.clear();
  const std::vector<std::u16string> linesBefore = DataLines(rateFile);

  if (!StoreExchangeRate(rateFile, from, to, typed, reporter)) {
    using Messages = std::vector<std::u16string>;
    Check(reporter.messages == Messages{std::u16string(kUnstorableRateMessage)} ||
              (!ours && reporter.messages == Messages{u"Failed to open rate file."}),
          "Set refuses only a rate it cannot store or a file that is no rate file, and says so");
    Check(ReadBytes(rateFile) == bytes, "a refused rate leaves the file as it was");
    Check(FilesInFolder() == 1, "a refused rate leaves no scratch file");
    return 0;
  }
  Check(ours, "Set rewrites only a rate file");
  Check(ReadBytes(rateFile).starts_with(bytes.substr(0, *headerBytes)),
        "Set keeps the header line as it was");
  Check(reporter.messages.empty(), "a stored rate tells the user nothing");
  Check(FilesInFolder() == 1, "no scratch file stays behind");
  const std::vector<std::u16string_view> words = SplitWords(typed);
  Check(words.size() == 1, "only one word can be a rate");
  const double rate = ReadNumber(words[0]);
  const std::u16string reverse = FormatFixed4(1 / rate);
  CheckRewrittenLines(linesBefore, DataLines(rateFile), from, to, words[0], reverse);

  Check(ReadExchangeRate(rateFile, from, to, reporter) == rate,
        "a lookup after Set gives the stored rate");
  if (from != to) {
    Check(ReadExchangeRate(rateFile, to, from, reporter) == ReadNumber(reverse),
          "a lookup after Set gives the stored reverse");
  }
  Check(reporter.messages.empty(), "the rewritten file can be read");
  return 0;
}
