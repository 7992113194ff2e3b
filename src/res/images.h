// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>

namespace tallyfox {

inline constexpr int kIconApplication = 128;  // 48 x 48
inline constexpr int kBitmapAbout = 135;      // 55 x 62

// The PNG bytes of an image resource, empty when there is none. Scale 2 is
// the same picture at twice the size, for screens of twice the density;
// not every resource has one.
std::span<const unsigned char> ImageResource(int number, int scale = 1);

}  // namespace tallyfox
