// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop's Trash, from which a file manager can put a file back.

#include <filesystem>

namespace tallyfox {

// False where no Trash can take the file (another file system without one,
// say); the file then stays where it was.
bool MoveToTrash(const std::filesystem::path& file);

}  // namespace tallyfox
