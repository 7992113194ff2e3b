// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tax controls that the Sale and Discount pages and the Shopping List
// dialog share, so that one set of rules can drive all of them.

namespace tallyfox {

inline constexpr int kIdcFood = 1003;
inline constexpr int kIdcWithTax = 1004;
inline constexpr int kIdcStateButton = 1007;

}  // namespace tallyfox
