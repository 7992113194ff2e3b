// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

#include "core/files/files.h"

namespace tallyfox {

// Reads a UTF-16LE file line by line, a large block at a time. A line is
// what comes before its LF (a CR stays part of it); a last line without LF
// counts, and an odd byte at the very end is dropped.
class Utf16LineReader {
 public:
  explicit Utf16LineReader(File& file);

  // Nothing at the end of the file or when reading failed.
  std::optional<std::u16string> ReadLine();
  // The same into `line`, whose storage serves again for the next line:
  // false where the other gives nothing.
  bool ReadLine(std::u16string& line);
  bool failed() const { return failed_; }

 private:
  bool Refill();

  File& file_;
  std::unique_ptr<std::byte[]> buffer_;
  std::size_t position_ = 0;
  std::size_t end_ = 0;
  bool atEnd_ = false;
  bool failed_ = false;
};

}  // namespace tallyfox
