// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/zoom.h"

#include <QCoreApplication>
#include <QVariant>
#include <algorithm>

namespace tallyfox {
namespace {

// Kept on the application object, which every window shares, so that no
// window has to hand it to another.
constexpr char kZoomProperty[] = "tallyfox.zoom";

}  // namespace

int Zoom() {
  const QVariant zoom = QCoreApplication::instance() ? qApp->property(kZoomProperty) : QVariant();
  return zoom.isValid() ? zoom.toInt() : kNormalZoom;
}

void SetZoom(int percent) {
  if (QCoreApplication::instance() == nullptr) return;
  qApp->setProperty(kZoomProperty, std::clamp(percent, kSmallestZoom, kLargestDrawnZoom));
}

int Zoomed(int pixels) { return (pixels * Zoom() + (pixels >= 0 ? 50 : -50)) / 100; }

}  // namespace tallyfox
