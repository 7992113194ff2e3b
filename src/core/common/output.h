// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Text for a stream the program does not own (standard output): a script
// that goes on after a failed write would act on a list it never got.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

namespace tallyfox {

// Writes all of `bytes` and flushes the stream; gives the reason when any of
// it failed ("No space left on device"), nothing when all of it went out.
std::optional<std::string> WriteAndFlush(std::FILE* stream, std::string_view bytes);

}  // namespace tallyfox
