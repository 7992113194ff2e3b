// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/striped_rows.h"

#include <QGuiApplication>

#include "platform/colour_scheme.h"

namespace tallyfox {
namespace {

Rgb StripeBackground(int row) {
  const bool odd = row % 2 != 0;
  const QPalette palette = QGuiApplication::palette();
  if (!IsDarkScheme(palette)) return odd ? kOddRowBackground : kEvenRowBackground;
  return ToRgb(palette.color(odd ? QPalette::AlternateBase : QPalette::Base));
}

}  // namespace

void DrawStripedRows(Notification& notification) {
  notification.result = kDrawDoDefault;
  if (notification.drawStage == kDrawPrePaint) {
    notification.result = kDrawNotifyItemDraw;
  } else if (notification.drawStage == kDrawItemPrePaint) {
    notification.textBackground = StripeBackground(notification.item);
  }
}

}  // namespace tallyfox
