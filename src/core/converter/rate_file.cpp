// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/rate_file.h"

#include <array>

#include "core/common/text.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kFieldGap = u"  ";
// The longest header line the file's readers take, with its LF.
constexpr std::size_t kMaxHeaderChars = 15;
constexpr std::size_t kDateChars = 10;

}  // namespace

std::optional<RateLine> ParseRateLine(std::u16string_view line) {
  std::array<std::u16string_view, 3> fields;
  if (SplitFirstWords(line, fields) < fields.size()) return std::nullopt;
  return RateLine{fields[0], fields[1], fields[2]};
}

std::u16string FormatRateLine(std::u16string_view from, std::u16string_view to,
                              std::u16string_view rate) {
  std::u16string line;
  for (const std::u16string_view field : {from, to, rate}) {
    line += field;
    line += kFieldGap;
  }
  return line;
}

bool HasRateFileShape(File& file) {
  const std::optional<std::uint64_t> size = file.Size();
  std::array<std::byte, 2 * kMaxHeaderChars> start{};
  const std::optional<std::size_t> count = file.ReadAt(0, start);
  if (!size || *size % 2 != 0 || !count) return false;
  if (*size == 0) return true;
  if (*size == 2 && start[0] == std::byte{0xFF} && start[1] == std::byte{0xFE}) return true;
  for (std::size_t i = 0; i + 1 < *count; i += 2) {
    if (start[i] == std::byte{kRateLineEnd} && start[i + 1] == std::byte{0}) return true;
  }
  return false;
}

std::optional<std::u16string> RatesDateOf(std::u16string_view header) {
  if (!header.empty() && header.front() == kByteOrderMark) header.remove_prefix(1);
  if (header.size() != kDateChars || header[4] != u'-' || header[7] != u'-') return std::nullopt;
  for (const std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
    if (!IsDigit(header[i])) return std::nullopt;
  }
  return std::u16string(header);
}

bool ReplaceRateFile(const std::filesystem::path& rateFile, std::u16string_view text,
                     Reporter& reporter) {
  const Replaced replaced = ReplaceFileText(rateFile, text);
  if (replaced == Replaced::Yes) return true;
  if (replaced == Replaced::NoScratchFile) {
    reporter.Report(u"Failed to create tmp file.");
    return false;
  }
  reporter.Report(u"Failed to update exchange rate file");
  if (replaced == Replaced::NoScratchLeftOver) reporter.Report(u"Failed to delete temp file");
  return false;
}

}  // namespace tallyfox
