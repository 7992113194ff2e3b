// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/tax/tax_file.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <utility>

#include "core/common/text.h"
#include "core/files/data_folder.h"
#include "core/files/files.h"
#include "core/tax/tax_rates.h"

namespace tallyfox {

namespace {

// Each field character sits in the low byte of a UTF-16LE code unit.
constexpr std::size_t kStateOffset = 0;
constexpr std::size_t kStateChars = 2;
constexpr std::size_t kRateOffset = 4;
constexpr std::size_t kRateChars = 4;
// A fifth rate character follows the classic 12 bytes.
constexpr std::size_t kFifthRateCharOffset = 12;
constexpr std::size_t kRecordBytes = 12;
constexpr std::size_t kLongRecordBytes = 14;
constexpr std::size_t kMostBytesRead = 18;

// The custom-rate marker is four single bytes, not UTF-16: the reader takes
// offsets 0 and 2 and so sees "S.".
constexpr auto kCustomRateMarker = std::to_array<unsigned char>({'S', '.', '.', '.'});

void PutText(std::vector<std::byte>& record, std::size_t offset, std::u16string_view text) {
  const std::vector<std::byte> bytes = EncodeUtf16Le(text);
  std::ranges::copy(bytes, record.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A field's text up to its first zero character; nothing when the record ends
// before that zero or before the field's last character.
std::optional<std::u16string> ReadField(std::span<const std::byte> record, std::size_t offset,
                                        std::size_t maxChars) {
  std::u16string text;
  for (std::size_t i = 0; i < maxChars; ++i) {
    const std::size_t at = offset + 2 * i;
    if (at >= record.size()) return std::nullopt;
    const auto character = std::to_integer<char16_t>(record[at]);
    if (character == 0) break;
    text += character;
  }
  return text;
}

std::optional<std::u16string> ReadRate(std::span<const std::byte> record) {
  std::optional<std::u16string> rate = ReadField(record, kRateOffset, kRateChars);
  if (rate && rate->size() == kRateChars) {
    if (auto fifth = ReadField(record, kFifthRateCharOffset, 1)) *rate += *fifth;
  }
  return rate;
}

}  // namespace

std::vector<std::byte> EncodeTaxRecord(const TaxSetting& setting) {
  if (setting.stateCode != kCustomRateCode) {
    std::vector<std::byte> record(kRecordBytes);
    PutText(record, kStateOffset, Left(setting.stateCode, kStateChars));
    return record;
  }
  const std::u16string_view rate = Left(setting.customRateText, kRateChars + 1);
  std::vector<std::byte> record(rate.size() > kRateChars ? kLongRecordBytes : kRecordBytes);
  for (std::size_t i = 0; i < std::size(kCustomRateMarker); ++i) {
    record[kStateOffset + i] = static_cast<std::byte>(kCustomRateMarker[i]);
  }
  PutText(record, kRateOffset, rate);
  return record;
}

TaxSetting DecodeTaxRecord(std::span<const std::byte> record) {
  TaxSetting setting;
  if (auto state = ReadField(record, kStateOffset, kStateChars)) setting.stateCode = *state;
  if (auto rate = ReadRate(record)) setting.customRateText = *rate;
  return setting;
}

// No tax.ini is the state of every new user, who has chosen no state yet:
// nothing to tell. One that is there and cannot be read is a fault.
bool ReadTaxFile(const std::filesystem::path& appFolder, TaxSetting& setting, Reporter& reporter) {
  const std::filesystem::path path = appFolder / kTaxFileName;
  if (!FileExists(path)) return false;
  const auto record = ReadWholeFile(path, kMostBytesRead);
  if (!record) {
    reporter.Report(u"Read tax file failed!");
    return false;
  }
  setting = DecodeTaxRecord(*record);
  return true;
}

TaxFileWriter::TaxFileWriter(std::filesystem::path appFolder, File taxFile)
    : appFolder_(std::move(appFolder)), taxFile_(std::move(taxFile)) {}

std::optional<TaxFileWriter> TaxFileWriter::Open(const std::filesystem::path& appFolder) {
  std::optional<File> taxFile = File::Open(appFolder / kTaxFileName, OpenMode::OpenOrCreate);
  if (!taxFile) return std::nullopt;
  return TaxFileWriter(appFolder, std::move(*taxFile));
}

// The record replaces tax.ini in one step, so a crash or a full disk never
// leaves a half-written setting. The file held open since Open() is only
// closed: it is the old one.
bool TaxFileWriter::Write(const TaxSetting& setting) {
  const bool written =
      ReplaceFile(appFolder_ / kTaxFileName, EncodeTaxRecord(setting)) == Replaced::Yes;
  taxFile_.Close();
  return written;
}

}  // namespace tallyfox
