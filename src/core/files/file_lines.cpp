// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/file_lines.h"

#include <bit>
#include <cstring>
#include <span>

namespace tallyfox {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

char16_t UnitAt(const std::byte* bytes, std::size_t index) {
  return static_cast<char16_t>(std::to_integer<unsigned>(bytes[2 * index]) |
                               std::to_integer<unsigned>(bytes[2 * index + 1]) << 8);
}

// How many of the `units` code units at `bytes` come before the first LF.
// memchr() finds the candidates; an LF is a 0x0A at an even offset with a
// zero after it.
std::size_t UnitsBeforeLineFeed(const std::byte* bytes, std::size_t units) {
  const std::size_t size = 2 * units;
  std::size_t offset = 0;
  while (offset < size) {
    const void* found = std::memchr(bytes + offset, '\n', size - offset);
    if (found == nullptr) break;
    const auto at = static_cast<std::size_t>(static_cast<const std::byte*>(found) - bytes);
    if (at % 2 == 0 && bytes[at + 1] == std::byte{0}) return at / 2;
    offset = at + 1;
  }
  return units;
}

void AppendUnits(std::u16string& text, const std::byte* bytes, std::size_t units) {
  const std::size_t held = text.size();
  text.resize(held + units);
  if (std::endian::native == std::endian::little) {
    std::memcpy(text.data() + held, bytes, 2 * units);
  } else {
    for (std::size_t i = 0; i < units; ++i) text[held + i] = UnitAt(bytes, i);
  }
}

}  // namespace

// Not zeroed: a keystroke in the converter reads a whole file through a new
// reader, and clearing the block would cost more than the reading.
Utf16LineReader::Utf16LineReader(File& file)
    : file_(file), buffer_(std::make_unique_for_overwrite<std::byte[]>(kBlockBytes)) {}

std::optional<std::u16string> Utf16LineReader::ReadLine() {
  std::u16string line;
  if (!ReadLine(line)) return std::nullopt;
  return line;
}

bool Utf16LineReader::ReadLine(std::u16string& line) {
  line.clear();
  bool anyUnit = false;
  for (;;) {
    // The units before the next LF of this block go over in one piece.
    const std::byte* block = buffer_.get() + position_;
    const std::size_t units = (end_ - position_) / 2;
    const std::size_t count = UnitsBeforeLineFeed(block, units);
    AppendUnits(line, block, count);
    anyUnit = anyUnit || count > 0;
    position_ += 2 * count;
    if (count < units) {
      position_ += 2;
      return true;
    }
    if (!Refill()) break;
  }
  return !failed_ && anyUnit;
}

// Keeps the odd byte of a code unit split between two blocks.
bool Utf16LineReader::Refill() {
  if (atEnd_ || failed_) return false;
  const std::size_t kept = end_ - position_;
  if (kept > 0) buffer_[0] = buffer_[position_];
  position_ = 0;
  end_ = kept;
  const std::optional<std::size_t> count =
      file_.Read(std::span(buffer_.get() + kept, kBlockBytes - kept));
  if (!count) {
    failed_ = true;
    return false;
  }
  end_ += *count;
  atEnd_ = *count == 0;
  return !atEnd_;
}

}  // namespace tallyfox
