// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The pictures' resource numbers. The pictures themselves, src/res/images,
// are read by the platform's widgets (ImagePixmap, ImageIcon); "@2x" in a
// file name marks the same picture at twice the size, for screens of twice
// the density, which not every picture has.

namespace tallyfox {

inline constexpr int kIconApplication = 128;  // 48 x 48
inline constexpr int kBitmapAbout = 135;      // 55 x 62

}  // namespace tallyfox
