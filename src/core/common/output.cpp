// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/output.h"

#include <cerrno>
#include <cstring>

namespace tallyfox {

std::optional<std::string> WriteAndFlush(std::FILE* stream, std::string_view bytes) {
  errno = 0;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size();
  if (written && std::fflush(stream) == 0) return std::nullopt;
  const int error = errno;
  return error != 0 ? std::string(std::strerror(error)) : std::string("write error");
}

}  // namespace tallyfox
