// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Tax Setup dialog.

namespace tallyfox {

inline constexpr int kIddTaxSetup = 132;

inline constexpr int kIdcChooseState = 1012;    // radio button, first of the group
inline constexpr int kIdcStateList = 1009;      // drop-down list of the state codes
inline constexpr int kIdcCustomizeRate = 1013;  // radio button
inline constexpr int kIdcRateField = 1014;      // customised rate in percent
inline constexpr int kIdcSetAndSave = 1019;

}  // namespace tallyfox
