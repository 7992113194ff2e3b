// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Number reading against the C library, which in this process runs in the C
// locale: ReadNumber and ReadInteger read what strtod and strtol read from the
// ASCII prefix. (The formats are checked against printf by the unit tests.)

#include <bit>
#include <cctype>
#include <cstdint>
#include <cstdlib>
#include <limits>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "fuzz_support.h"

namespace tallyfox::fuzz {
namespace {

// Bytes from 0xC0 up become characters beyond Latin-1 whose low byte is a
// space, sign, point or digit, which catches a reader of low bytes only.
std::u16string AsText(const std::uint8_t* data, std::size_t size) {
  std::u16string text;
  for (std::size_t i = 0; i < size; ++i) {
    text += char16_t(data[i] >= 0xC0 ? 0x100 | (data[i] - 0xA0) : data[i]);
  }
  return text;
}

std::string AsciiPrefix(std::u16string_view text) {
  std::string ascii;
  for (std::size_t i = 0; i < text.size() && text[i] <= 0x7F; ++i) ascii += char(text[i]);
  return ascii;
}

// strtod without the hexadecimal, inf and nan forms that it also takes.
double ReferenceNumber(const std::string& text) {
  const std::size_t start = text.find_first_not_of(" \t\n\v\f\r");
  if (start == std::string::npos) return 0;
  const std::size_t sign = text[start] == '+' || text[start] == '-' ? 1 : 0;
  const char first = start + sign < text.size() ? text[start + sign] : '\0';
  const bool dotDigit = first == '.' && start + sign + 1 < text.size() &&
                        std::isdigit(static_cast<unsigned char>(text[start + sign + 1]));
  if (!std::isdigit(static_cast<unsigned char>(first)) && !dotDigit) return 0;
  const bool hex = first == '0' && start + sign + 1 < text.size() &&
                   (text[start + sign + 1] == 'x' || text[start + sign + 1] == 'X');
  return std::strtod(hex ? text.substr(0, start + sign + 1).c_str() : text.c_str(), nullptr);
}

int ReferenceInteger(const std::string& text) {
  const long value = std::strtol(text.c_str(), nullptr, 10);
  constexpr long kMin = std::numeric_limits<int>::min(), kMax = std::numeric_limits<int>::max();
  return int(value < kMin ? kMin : value > kMax ? kMax : value);
}

}  // namespace
}  // namespace tallyfox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tallyfox;
  using namespace tallyfox::fuzz;
  const std::u16string text = AsText(data, size);
  const std::string ascii = AsciiPrefix(text);
  const double number = ReadNumber(text);
  Check(
      std::bit_cast<std::uint64_t>(number) == std::bit_cast<std::uint64_t>(ReferenceNumber(ascii)),
      "ReadNumber reads what strtod reads");
  Check(ReadInteger(text) == ReferenceInteger(ascii), "ReadInteger reads what strtol reads");
  return 0;
}
