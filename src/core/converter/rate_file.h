// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The lines of the rate file, shared by the lookup, "Set" and the update
// from the European Central Bank's rates.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/common/numbers.h"
#include "core/common/reporter.h"
#include "core/files/file_lines.h"
#include "core/files/files.h"

namespace tallyfox {

// Readers of the file have always taken at most nine characters of a rate.
inline constexpr std::size_t kMaxRateChars = 9;
inline constexpr char16_t kRateLineEnd = u'\n';
inline constexpr char16_t kByteOrderMark = u'\uFEFF';

struct RateLine {
  std::u16string_view fromField;
  std::u16string_view toField;
  std::u16string_view rate;

  bool IsPair(std::int32_t from, std::int32_t to) const {
    return ReadInteger(fromField) == from && ReadInteger(toField) == to;
  }
};

// Nothing for a line of fewer than three fields: it names no rate.
std::optional<RateLine> ParseRateLine(std::u16string_view line);

// "from  to  rate  ", without the LF.
std::u16string FormatRateLine(std::u16string_view from, std::u16string_view to,
                              std::u16string_view rate);

// UTF-16LE text, so an even number of bytes, whose header line ends within
// the length the format allows; or a file with no lines at all (empty, or
// the byte-order mark alone). Anything else (UTF-8, CR line ends) would read
// as one long header, and a rewrite would keep none of its lines.
bool HasRateFileShape(File& file);

// The date a header line carries, "2026-12-04", or nothing.
std::optional<std::u16string> RatesDateOf(std::u16string_view header);

// Keeps the header line in `header` (the byte-order mark alone for a file
// without lines, as a rewrite is to write it) and hands each line after it to
// `visit` until it returns false; false when the file cannot be opened or
// read, or is no rate file.
template <class Visit>
bool VisitDataLines(const std::filesystem::path& rateFile, OpenMode mode, std::u16string& header,
                    Visit visit) {
  std::optional<File> file = File::Open(rateFile, mode);
  if (!file || !HasRateFileShape(*file)) return false;
  Utf16LineReader reader(*file);
  std::u16string line;
  if (!reader.ReadLine(header)) header.assign(1, kByteOrderMark);
  while (reader.ReadLine(line)) {
    if (!visit(std::as_const(line))) return true;
  }
  return !reader.failed();
}

// Replaces the rate file by `text`; false, after telling the user why, when
// that fails.
bool ReplaceRateFile(const std::filesystem::path& rateFile, std::u16string_view text,
                     Reporter& reporter);

}  // namespace tallyfox
