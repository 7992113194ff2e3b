// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exchange rates a data folder without a rate file is given. They live
// in the executable, so every install and every folder has them.

#include <cstddef>
#include <vector>

namespace tallyfox {

std::vector<std::byte> DefaultRates();

}  // namespace tallyfox
