// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/zoom_setting.h"

#include <QSettings>
#include <optional>

#include "platform/dialog_units.h"
#include "platform/display.h"
#include "platform/zoom.h"
#include "res/main_ids.h"

namespace tallyfox {
namespace {

QSettings UserSettings() {
  return QSettings(QStringLiteral("tallyfox"), QStringLiteral("tallyfox"));
}

std::optional<int> SavedZoom() {
  bool whole = false;
  const int zoom = UserSettings().value(QStringLiteral("zoom")).toString().toInt(&whole);
  if (!whole || zoom < kSmallestZoom || zoom > kLargestZoom) return std::nullopt;
  return zoom;
}

int ZoomThatFitsTheScreen() {
  const ScreenSize room = AvailableScreenSize();
  const ScreenSize screen = PrimaryScreenSize();
  const DialogTemplate* main =
      FindTemplate(screen.height > screen.width ? kIddMainPortrait : kIddMainLandscape);
  if (main == nullptr || room.width <= 0) return kNormalZoom;
  return ZoomToFit(*main, room.width, IsNarrowScreen() ? room.height : room.height / 2,
                   kLargestZoom);
}

}  // namespace

int LoadZoom() { return SavedZoom().value_or(ZoomThatFitsTheScreen()); }

void SaveZoom(int percent) { UserSettings().setValue(QStringLiteral("zoom"), percent); }

}  // namespace tallyfox
