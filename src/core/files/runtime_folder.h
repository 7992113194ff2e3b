// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The folder where a running program can be reached by a later start of it:
// one that no other user may look into or plant anything in.

#include <filesystem>

namespace tallyfox {

// A folder itself (not a link to one), owned by this user, that no one else
// may read, write or enter.
bool IsPrivateFolder(const std::filesystem::path& folder);

// $XDG_RUNTIME_DIR, else tallyfox-UID under the temporary folder, created
// with mode 0700 when missing. Empty when the folder is not private.
std::filesystem::path UserRuntimeFolder();

}  // namespace tallyfox
