// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Puts a shoe-size table into a list view.

#include "core/converter/units.h"
#include "platform/controls.h"

namespace tallyfox {

// Adds the columns and rows of `category`'s table (nothing for a category
// without one) to `view`, which must have none yet, and shows it.
void BuildShoeSizeTable(ListView& view, ConverterCategory category, bool landscape);

}  // namespace tallyfox
