// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/dialog_units.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <algorithm>
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

QFont DialogFont(const DialogTemplate& dialogTemplate, int zoom) {
  QFont font = QApplication::font();
  if (dialogTemplate.fontName != kSystemDialogFont) {
    font.setFamily(QString::fromStdU16String(std::u16string(dialogTemplate.fontName)));
  }
  font.setPointSizeF(dialogTemplate.pointSize * zoom / 100.0);
  return font;
}

PixelRect ToPixels(const DuRect& rect, BaseUnits units, int zoom) {
  const int x = units.x * zoom, y = units.y * zoom;
  return PixelRect{MulDiv(rect.x, x, 400), MulDiv(rect.y, y, 800), MulDiv(rect.cx, x, 400),
                   MulDiv(rect.cy, y, 800)};
}

PixelRect TemplateSize(const DialogTemplate& dialogTemplate, int zoom) {
  const BaseUnits units = BaseUnitsOf(DialogFont(dialogTemplate, kNormalZoom));
  return ToPixels(DuRect{0, 0, dialogTemplate.cx, dialogTemplate.cy}, units, zoom);
}

int ZoomToFit(const DialogTemplate& dialogTemplate, int width, int height, int largest) {
  const PixelRect normal = TemplateSize(dialogTemplate, kNormalZoom);
  if (normal.width <= 0 || normal.height <= 0) return kNormalZoom;
  int zoom = std::min(width * kNormalZoom / normal.width, height * kNormalZoom / normal.height);
  zoom = std::clamp(zoom, kSmallestZoom, largest);
  // Rounding may take a pixel more than the proportion promised.
  while (zoom > kSmallestZoom) {
    const PixelRect size = TemplateSize(dialogTemplate, zoom);
    if (size.width <= width && size.height <= height) break;
    --zoom;
  }
  return zoom;
}

}  // namespace tallyfox
