// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the fuzz targets add to the tests' file helpers: a property check that
// stops the run with its reason, and one folder for the files they fuzz.

#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "support/test_files.h"

namespace tallyfox::fuzz {

using testing::ReadBytes;
using testing::RecordingReporter;
using testing::WriteBytes;

// Ends the run as a crash, so that libFuzzer keeps the input that broke it.
inline void Check(bool holds, std::string_view property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %.*s\n", int(property.size()), property.data());
  std::abort();
}

// Under TMPDIR, which scripts/fuzz.sh points at memory: every rewrite syncs,
// which on a disk would bound the executions per second.
inline const std::filesystem::path& ScratchFolder() {
  static const testing::TempFolder folder;
  return folder.path();
}

}  // namespace tallyfox::fuzz
