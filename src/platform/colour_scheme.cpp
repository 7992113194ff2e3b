// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/colour_scheme.h"

namespace tallyfox {

bool IsDarkScheme(const QPalette& palette) {
  return palette.color(QPalette::Window).lightness() <
         palette.color(QPalette::WindowText).lightness();
}

Rgb ToRgb(const QColor& color) { return Rgb{color.red(), color.green(), color.blue()}; }

}  // namespace tallyfox
