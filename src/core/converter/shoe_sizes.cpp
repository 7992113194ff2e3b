// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/shoe_sizes.h"

namespace tallyfox {
namespace {

constexpr ShoeSizeColumn kAdultColumns[] = {
    {u"EUR", 48, 62}, {u"US", 34, 49}, {u"UK", 34, 49}, {u"JAPAN", 44, 58}, {u"CHINA", 44, 58},
};

constexpr ShoeSizeColumn kChildrenColumns[] = {
    {u"EUR", 45, 64},
    {u"US", 44, 63},
    {u"UK", 44, 63},
    {u"LENGTH(mm)", 71, 86},
};

constexpr ShoeSizeRow kMensRows[] = {
    {u"39", u"6.5", u"6", u"24.5", u"39"},     {u"40", u"7", u"6.5", u"25", u"39.5"},
    {u"40.5", u"7.5", u"7", u"25.5", u"40"},   {u"41", u"8", u"7.5", u"26", u"41"},
    {u"42", u"8.5", u"8", u"26.5", u"42"},     {u"42.5", u"9", u"8.5", u"27", u"42.5"},
    {u"43", u"9.5", u"9", u"27.5", u"43"},     {u"44", u"10", u"9.5", u"28", u"43.5"},
    {u"44.5", u"10.5", u"10", u"28.5", u"44"}, {u"45", u"11.5", u"10.5", u"29", u"45"},
};

// Women's sizes from 38 have no Chinese equivalent.
constexpr ShoeSizeRow kWomensRows[] = {
    {u"34", u"4", u"2", u"21", u"34"},   {u"34.5", u"4.5", u"2.5", u"21.5", u"35"},
    {u"35", u"5", u"3", u"22", u"36"},   {u"35.5", u"5.5", u"3.5", u"22.5", u"37"},
    {u"36", u"6", u"4", u"23", u"37.5"}, {u"36.5", u"6.5", u"4.5", u"23.5", u"38"},
    {u"37", u"7", u"5", u"24", u"39"},   {u"37.5", u"7.5", u"5.5", u"24.5", u"39.5"},
    {u"38", u"8", u"6", u"25", u""},     {u"38.5", u"8.5", u"6.5", u"25.5", u""},
    {u"39", u"9", u"7", u"26", u""},     {u"39.5", u"9.5", u"7.5", u"26.5", u""},
    {u"40", u"10", u"8", u"27", u""},
};

constexpr ShoeSizeRow kChildrensRows[] = {
    {u"25", u"9", u"8", u"167"},     {u"26", u"9.5", u"8.5", u"174"},
    {u"27", u"10", u"9", u"180"},    {u"28", u"10.5", u"9.5", u"187"},
    {u"29", u"11", u"10", u"193"},   {u"30", u"12", u"11", u"200"},
    {u"31", u"13", u"12", u"207"},   {u"32", u"1", u"13", u"213"},
    {u"33", u"2", u"1", u"220"},     {u"34", u"2.5", u"1.5", u"227"},
    {u"35", u"3", u"2", u"233"},     {u"36", u"4", u"3.5", u"240"},
    {u"37", u"5", u"4", u"247"},     {u"38", u"5.5", u"5", u"253"},
    {u"39", u"6.5", u"5.5", u"260"}, {u"40", u"7.5", u"6.5", u"267"},
};

}  // namespace

std::optional<ShoeSizeTable> ShoeSizeTableOf(ConverterCategory category) {
  switch (category) {
    case ConverterCategory::MensShoes:
      return ShoeSizeTable{kAdultColumns, kMensRows};
    case ConverterCategory::WomensShoes:
      return ShoeSizeTable{kAdultColumns, kWomensRows};
    case ConverterCategory::ChildrensShoes:
      return ShoeSizeTable{kChildrenColumns, kChildrensRows};
    default:
      return std::nullopt;
  }
}

}  // namespace tallyfox
