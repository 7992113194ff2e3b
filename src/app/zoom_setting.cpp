// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/zoom_setting.h"

#include <QSettings>

#include "platform/zoom.h"

namespace tallyfox {
namespace {

QSettings UserSettings() {
  return QSettings(QStringLiteral("tallyfox"), QStringLiteral("tallyfox"));
}

}  // namespace

int LoadZoom() { return UserSettings().value(QStringLiteral("zoom"), kNormalZoom).toInt(); }

void SaveZoom(int percent) { UserSettings().setValue(QStringLiteral("zoom"), percent); }

}  // namespace tallyfox
