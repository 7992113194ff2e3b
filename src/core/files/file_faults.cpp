// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/files/file_faults.h"

namespace tallyfox {

namespace {

// For tests only (see ScopedFileFaults).
FileFaults* installedFaults = nullptr;

}  // namespace

ScopedFileFaults::ScopedFileFaults(FileFaults& faults) : previous_(installedFaults) {
  installedFaults = &faults;
}

ScopedFileFaults::~ScopedFileFaults() { installedFaults = previous_; }

bool FileFaultInjected(FileOperation operation, const std::filesystem::path& path) {
  return installedFaults != nullptr && installedFaults->ShouldFail(operation, path);
}

}  // namespace tallyfox
