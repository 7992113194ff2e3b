// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The tax-file record: any bytes decode without reading past them, a shorter
// record gives each field whole or not at all, a decoded setting is stored
// and read back as itself, and the file reader agrees with the decoder.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "core/tax/tax_file.h"
#include "fuzz_support.h"

namespace tallyfox::fuzz {
namespace {

constexpr std::size_t kMostBytesRead = 18;
const TaxSetting kInitial;

bool Same(const TaxSetting& a, const TaxSetting& b) {
  return a.stateCode == b.stateCode && a.customRateText == b.customRateText;
}

void CheckDecoded(const TaxSetting& setting) {
  for (const std::u16string* field : {&setting.stateCode, &setting.customRateText}) {
    Check(std::ranges::none_of(*field, [](char16_t c) { return c == 0 || c > 0xFF; }),
          "each decoded character is one non-zero byte");
  }
  Check(setting.stateCode.size() <= 2 || setting.stateCode == kInitial.stateCode,
        "a decoded state code has at most two characters");
  Check(setting.customRateText.size() <= 5, "a decoded rate has at most five characters");
  // A code longer than two characters (the initial "...") is no stored one.
  const TaxSetting again = DecodeTaxRecord(EncodeTaxRecord(setting));
  Check(setting.stateCode == u"S."
            ? Same(again, setting)
            : again.stateCode == setting.stateCode || setting.stateCode.size() > 2,
        "a setting survives storing");
}

// A record cut short gives each field as the whole record has it, or its
// initial value; a rate may lose only its fifth character.
void CheckPrefixes(const std::vector<std::byte>& record, const TaxSetting& whole) {
  for (std::size_t length = 0; length < std::min(record.size(), kMostBytesRead); ++length) {
    const TaxSetting part = DecodeTaxRecord(std::span(record).first(length));
    Check(part.stateCode == whole.stateCode || part.stateCode == kInitial.stateCode,
          "a short record gives the state whole or not at all");
    const std::u16string& rate = part.customRateText;
    Check(rate == whole.customRateText || rate == kInitial.customRateText ||
              (whole.customRateText.size() == 5 && rate == whole.customRateText.substr(0, 4)),
          "a short record gives the rate whole or not at all");
  }
}

}  // namespace
}  // namespace tallyfox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox;
  using namespace tallyfox::fuzz;
  // A copy of exactly this size, so that AddressSanitizer sees any read past it.
  std::vector<std::byte> record(size);
  if (size > 0) std::memcpy(record.data(), data, size);
  const TaxSetting setting = DecodeTaxRecord(record);
  CheckDecoded(setting);
  CheckPrefixes(record, setting);

  WriteBytes(ScratchFolder() / "tax.ini", std::string(reinterpret_cast<const char*>(data), size));
  TaxSetting read{u"XX", u"XX"};
  RecordingReporter reporter;
  Check(ReadTaxFile(ScratchFolder(), read, reporter) && reporter.messages.empty(),
        "any tax.ini can be read");
  const TaxSetting first = DecodeTaxRecord(std::span(record).first(std::min(size, kMostBytesRead)));
  Check(Same(read, first), "the file reader gives what the record decodes to");
  return 0;
}
