// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialog_units.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <cstdlib>

#include "platform/zoom.h"

namespace tallyfox {
namespace {

// Rounds half away from zero, so that the templates' dialog units give the
// same pixels in every window.
int MulDiv(int value, int numerator, int denominator) {
  const long long product = static_cast<long long>(value) * numerator;
  const long long half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator
                                       : (product - half) / denominator);
}

}  // namespace

BaseUnits BaseUnitsOf(const QFont& font) {
  const QFontMetrics metrics(font);
  const int width52 = metrics.horizontalAdvance(
      QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
  return BaseUnits{(width52 / 26 + 1) / 2, metrics.height()};
}

QFont DialogFont(const DialogTemplate& dialogTemplate) {
  QFont font = QApplication::font();
  if (dialogTemplate.fontName != kSystemDialogFont) {
    font.setFamily(QString::fromStdU16String(std::u16string(dialogTemplate.fontName)));
  }
  font.setPointSizeF(dialogTemplate.pointSize * Zoom() / 100.0);
  return font;
}

PixelRect ToPixels(const DuRect& rect, BaseUnits units) {
  return PixelRect{MulDiv(rect.x, units.x, 4), MulDiv(rect.y, units.y, 8),
                   MulDiv(rect.cx, units.x, 4), MulDiv(rect.cy, units.y, 8)};
}

}  // namespace tallyfox
