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
// system's sans font at the same point size), at `zoom` percent.
QFont DialogFont(const DialogTemplate& dialogTemplate, int zoom);

// x * baseX / 4 and y * baseY / 8 at `zoom` percent, rounded to the nearest
// pixel. The base units are those of the normal size: a zoomed window grows
// with its text in proportion, where the base units of a zoomed font, rounded
// to whole pixels, would grow less than the text and cut labels short.
PixelRect ToPixels(const DuRect& rect, BaseUnits units, int zoom = 100);

// The size of a template's window at `zoom` percent.
PixelRect TemplateSize(const DialogTemplate& dialogTemplate, int zoom);

// The largest zoom, from the smallest up to `largest`, at which the
// template's window fits into width x height pixels.
int ZoomToFit(const DialogTemplate& dialogTemplate, int width, int height, int largest);

}  // namespace tallyfox
