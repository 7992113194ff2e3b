// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop's colour scheme, for the few colours the program chooses
// itself: on a dark scheme a fixed light colour would hide light text.

#include <QPalette>

#include "platform/notification.h"

namespace tallyfox {

// Dark when the window is darker than the text written on it.
bool IsDarkScheme(const QPalette& palette);

Rgb ToRgb(const QColor& color);

}  // namespace tallyfox
