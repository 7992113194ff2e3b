// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The converter's categories, the units of the five that convert a typed
// value, and their arithmetic. Pure functions of the selections and the text.

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tallyfox {

// The index of an entry of the converter's category list.
enum class ConverterCategory : std::int32_t {
  Currency = 0,
  Weight = 1,
  Length = 2,
  Area = 3,
  Volume = 4,
  Temperature = 5,
  MensShoes = 6,
  WomensShoes = 7,
  ChildrensShoes = 8,
};

inline constexpr std::array<std::u16string_view, 9> kCategoryNames = {
    u"Currency",    u"Weight",        u"length",           u"Area", u"Volume", u"Temperature",
    u"Men's Shoes", u"Women's Shoes", u"Children's Shoes",
};

// The units of Weight, length, Area, Volume and Temperature in list order;
// empty for the other categories.
std::span<const std::u16string_view> UnitNames(ConverterCategory category);

// A factor, or nothing where the value passes on unchanged.
using FactorCell = std::optional<double>;

// A square table indexed by [from unit][to unit]. Its cells are not derived
// from one base unit, so they are neither exactly reciprocal nor transitive.
struct FactorTable {
  std::int32_t unitCount = 0;
  std::span<const FactorCell> cells;  // row by row

  bool HoldsPair(std::int32_t fromIndex, std::int32_t toIndex) const;
  // Only for a pair that the table holds.
  FactorCell At(std::int32_t fromIndex, std::int32_t toIndex) const;
};

// The table of Weight, length, Area or Volume; nothing for the others.
std::optional<FactorTable> FactorTableOf(ConverterCategory category);

// Each reads `valueText` as a number (0 where it holds none) and gives the
// converted value as "%g"; an index out of range, -1 included, gives "0".
std::u16string ConvertWeight(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText);
std::u16string ConvertLength(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText);
std::u16string ConvertArea(std::int32_t fromIndex, std::int32_t toIndex,
                           std::u16string_view valueText);
std::u16string ConvertVolume(std::int32_t fromIndex, std::int32_t toIndex,
                             std::u16string_view valueText);

// As above, but as "%.2f", and "0.00" for an index out of range.
std::u16string ConvertTemperature(std::int32_t fromIndex, std::int32_t toIndex,
                                  std::u16string_view valueText);

}  // namespace tallyfox
