// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dialog units become pixels through the dialog font's base units: the
// average width of the 52 Latin letters and the font's height.

#include "platform/controls.h"
#include "res/dialog_template.h"

class QFont;

namespace tallyfox {

struct BaseUnits {
  int x = 0;
  int y = 0;
};

BaseUnits BaseUnitsOf(const QFont& font);

// The font a template names, as this system has it ("MS Shell Dlg" is the
// system's sans font at the same point size).
QFont DialogFont(const DialogTemplate& dialogTemplate);

// x * baseX / 4 and y * baseY / 8, rounded to the nearest pixel.
PixelRect ToPixels(const DuRect& rect, BaseUnits units);

}  // namespace tallyfox
