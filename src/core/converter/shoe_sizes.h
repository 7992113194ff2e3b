// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tables of equivalent shoe sizes that the converter shows instead of
// converting a value. Constant text; nothing is computed.

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "core/converter/units.h"

namespace tallyfox {

struct ShoeSizeColumn {
  std::u16string_view heading;
  int portraitWidth;  // pixels
  int landscapeWidth;
};

// The cells left to right; an empty cell is one the table leaves blank.
using ShoeSizeRow = std::array<std::u16string_view, 5>;

struct ShoeSizeTable {
  std::span<const ShoeSizeColumn> columns;
  std::span<const ShoeSizeRow> rows;
};

// The table of "Men's Shoes", "Women's Shoes" or "Children's Shoes";
// nothing for the other categories.
std::optional<ShoeSizeTable> ShoeSizeTableOf(ConverterCategory category);

}  // namespace tallyfox
