// The tax-file record: any bytes decode without reading past them, a shorter
// record gives each field whole or not at all, a decoded setting is stored
// and read back as itself, and the file reader agrees with the decoder.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_support.h"
#include "tax/tax_file.h"

namespace tallyfox::fuzz {
namespace {

constexpr std::size_t kMostBytesRead = 18;
const TaxSetting kInitial;

bool SameSetting(const TaxSetting& a, const TaxSetting& b) {
  return a.stateCode == b.stateCode && a.customRateText == b.customRateText;
}

bool FromSingleBytes(const std::u16string& text) {
  return std::ranges::none_of(text, [](char16_t c) { return c == 0 || c > 0xFF; });
}

void CheckDecoded(const TaxSetting& setting) {
  Check(FromSingleBytes(setting.stateCode) && FromSingleBytes(setting.customRateText),
        "each decoded character is one non-zero byte");
  Check(setting.stateCode.size() <= 2 || setting.stateCode == kInitial.stateCode,
        "a decoded state code has at most two characters");
  Check(setting.customRateText.size() <= 5, "a decoded rate has at most five characters");
}

// What the writer stores reads back as what was stored: the whole setting
// for a custom rate, the state code for any other.
void CheckRoundTrip(const TaxSetting& setting) {
  const TaxSetting again = DecodeTaxRecord(EncodeTaxRecord(setting));
  if (setting.stateCode == u"S.") {
    Check(SameSetting(again, setting), "a custom rate setting survives storing");
  } else if (setting.stateCode.size() <= 2) {
    Check(again.stateCode == setting.stateCode, "a state code survives storing");
  }
}

// A record cut short gives each field as the whole record has it, or its
// initial value; a rate may lose only its fifth character.
void CheckPrefixes(const std::vector<std::byte>& record, const TaxSetting& whole) {
  for (std::size_t length = 0; length < std::min(record.size(), kMostBytesRead); ++length) {
    const std::vector<std::byte> prefix(record.begin(), record.begin() + length);
    const TaxSetting part = DecodeTaxRecord(prefix);
    Check(part.stateCode == whole.stateCode || part.stateCode == kInitial.stateCode,
          "a short record gives the state whole or not at all");
    const std::u16string& rate = part.customRateText;
    Check(rate == whole.customRateText || rate == kInitial.customRateText ||
              (whole.customRateText.size() == 5 && rate == whole.customRateText.substr(0, 4)),
          "a short record gives the rate whole or not at all");
  }
}

void CheckFileReader(const std::vector<std::byte>& record) {
  WriteBytes(ScratchFolder() / "tax.ini",
             std::string(reinterpret_cast<const char*>(record.data()), record.size()));
  TaxSetting read{u"XX", u"XX"};
  RecordingReporter reporter;
  Check(ReadTaxFile(ScratchFolder(), read, reporter) && reporter.messages.empty(),
        "any tax.ini can be read");
  const std::size_t used = std::min(record.size(), kMostBytesRead);
  const TaxSetting decoded = DecodeTaxRecord(std::span(record).first(used));
  Check(SameSetting(read, decoded), "the file reader gives what the record decodes to");
}

}  // namespace
}  // namespace tallyfox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox::fuzz;
  // A copy of exactly this size, so that AddressSanitizer sees any read past it.
  std::vector<std::byte> record(size);
  if (size > 0) std::memcpy(record.data(), data, size);
  const tallyfox::TaxSetting setting = tallyfox::DecodeTaxRecord(record);
  CheckDecoded(setting);
  CheckRoundTrip(setting);
  CheckPrefixes(record, setting);
  CheckFileReader(record);
  return 0;
}
