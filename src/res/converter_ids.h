// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Converter page.

namespace tallyfox {

inline constexpr int kIddConverterPortrait = 143;
inline constexpr int kIddConverterLandscape = 144;

inline constexpr int kIdcCategoryList = 1036;
inline constexpr int kIdcFromUnitList = 1037;
inline constexpr int kIdcToUnitList = 1038;
inline constexpr int kIdcValueField = 1023;
inline constexpr int kIdcResultField = 1024;
inline constexpr int kIdcShoeTable = 1039;  // list view shown for the shoe categories
inline constexpr int kIdcSetRate = 1041;
inline constexpr int kIdcExchangeRateField = 1042;
inline constexpr int kIdcExchangeRateLabel = 1043;
inline constexpr int kIdcUpdateRates = 1045;  // fetches the euro reference rates

}  // namespace tallyfox
