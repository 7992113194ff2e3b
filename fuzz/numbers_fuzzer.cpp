// Number reading and formatting against the C library, which in this process
// runs in the C locale: ReadNumber and ReadInteger must read what strtod and
// strtol read from the ASCII prefix, and every format must give printf's
// text and read back close to the value it was given.

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "common/numbers.h"
#include "common/text.h"
#include "fuzz_support.h"

namespace tallyfox::fuzz {
namespace {

// Bytes from 0xC0 up become characters beyond Latin-1 whose low byte is a
// space, sign, point or digit, so that a reader that looks at low bytes only
// is caught.
std::u16string AsText(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i < size; ++i) {
    const unsigned byte = data[i];
    text += static_cast<char16_t>(byte >= 0xC0 ? 0x100 | (byte - 0xA0) : byte);
  }
  return text;
}

// What comes before the first character outside ASCII.
std::string AsciiPrefix(std::u16string_view text) {
  std::string ascii;
  for (const char16_t c : text) {
    if (c > 0x7F) break;
    ascii += static_cast<char>(c);
  }
  return ascii;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The decimal number at the start of `text` as C writes one, without the
// hexadecimal, inf and nan forms that strtod also takes.
std::string DecimalPrefix(const std::string& text) {
  std::size_t i = 0;
  while (i < text.size() && IsCSpace(text[i])) ++i;
  const std::size_t start = i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) ++digits;
  }
  if (digits == 0) return "";
  if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    std::size_t end = j;
    while (end < text.size() && IsDigit(text[end])) ++end;
    if (end > j) i = end;
  }
  return text.substr(start, i - start);
}

double ReferenceNumber(std::u16string_view text) {
  const std::string number = DecimalPrefix(AsciiPrefix(text));
  return number.empty() ? 0.0 : std::strtod(number.c_str(), nullptr);
}

int ReferenceInteger(std::u16string_view text) {
  const long value = std::strtol(AsciiPrefix(text).c_str(), nullptr, 10);
  constexpr long kMin = std::numeric_limits<int>::min();
  constexpr long kMax = std::numeric_limits<int>::max();
  return static_cast<int>(value < kMin ? kMin : value > kMax ? kMax : value);
}

template <typename T>
std::u16string Printf(const char* format, T value) {
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, format, value);
  return FromAscii(buffer);
}

bool Near(double read, double value, double tolerance) {
  return std::fabs(read - value) <= tolerance;
}

void CheckReading(std::u16string_view text) {
  const double number = ReadNumber(text);
  Check(std::bit_cast<std::uint64_t>(number) == std::bit_cast<std::uint64_t>(ReferenceNumber(text)),
        "ReadNumber reads what strtod reads");
  Check(!std::isnan(number), "ReadNumber never gives nan");
  Check(ReadInteger(text) == ReferenceInteger(text), "ReadInteger reads what strtol reads");
}

void CheckFormats(double value) {
  Check(FormatFixed2(value) == Printf("%.2f", value), "FormatFixed2 writes %.2f");
  Check(FormatFixed4(value) == Printf("%.4f", value), "FormatFixed4 writes %.4f");
  Check(FormatGeneral(value) == Printf("%g", value), "FormatGeneral writes %g");
  if (!std::isfinite(value)) return;
  const double ulp = std::fabs(std::nextafter(value, 0.0) - value);
  const double smallest = std::numeric_limits<double>::denorm_min();
  Check(Near(ReadNumber(FormatGeneral(value)), value, 5e-6 * std::fabs(value) + smallest),
        "a %g text reads back to six digits");
  Check(Near(ReadNumber(FormatFixed2(value)), value, 0.005 + 2 * ulp),
        "a %.2f text reads back to the hundredth");
  Check(Near(ReadNumber(FormatFixed4(value)), value, 0.00005 + 2 * ulp),
        "a %.4f text reads back to four places");
}

void CheckIntegers(int value) {
  Check(FormatInteger(value) == Printf("%d", value), "FormatInteger writes %d");
  Check(ReadInteger(FormatInteger(value)) == value, "an integer reads back as itself");
}

}  // namespace
}  // namespace tallyfox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox::fuzz;
  CheckReading(AsText(data, size));
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    CheckFormats(value);
  }
  if (size >= sizeof(int)) {
    int value;
    std::memcpy(&value, data, sizeof value);
    CheckIntegers(value);
  }
  return 0;
}
