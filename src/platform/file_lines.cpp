#include "platform/file_lines.h"

#include <span>

namespace tallyfox {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;

}  // namespace

Utf16LineReader::Utf16LineReader(File& file) : file_(file), buffer_(kBlockBytes) {}

std::optional<std::u16string> Utf16LineReader::ReadLine() {
  std::u16string line;
  bool anyUnit = false;
  for (;;) {
    while (end_ - position_ >= 2) {
      const auto unit =
          static_cast<char16_t>(std::to_integer<unsigned>(buffer_[position_]) |
                                std::to_integer<unsigned>(buffer_[position_ + 1]) << 8);
      position_ += 2;
      if (unit == u'\n') return line;
      line += unit;
      anyUnit = true;
    }
    if (!Refill()) break;
  }
  if (failed_ || !anyUnit) return std::nullopt;
  return line;
}

// Keeps the odd byte of a code unit split between two blocks.
bool Utf16LineReader::Refill() {
  if (atEnd_ || failed_) return false;
  const std::size_t kept = end_ - position_;
  if (kept > 0) buffer_[0] = buffer_[position_];
  position_ = 0;
  end_ = kept;
  const std::optional<std::size_t> count = file_.Read(std::span(buffer_).subspan(kept));
  if (!count) {
    failed_ = true;
    return false;
  }
  end_ += *count;
  atEnd_ = *count == 0;
  return !atEnd_;
}

}  // namespace tallyfox
