// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/display.h"

#include <QGuiApplication>
#include <QScreen>
#include <system_error>

#include "platform/test_seam.h"

namespace tallyfox {

ScreenSize PrimaryScreenSize() {
  if (UiScript* script = UiScript::Installed(); script && script->screen()) {
    return ScreenSize{script->screen()->width, script->screen()->height};
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->size();
  return ScreenSize{size.width(), size.height()};
}

ScreenSize AvailableScreenSize() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return {};
  const QSize size = screen->availableGeometry().size();
  return ScreenSize{size.width(), size.height()};
}

bool IsNarrowScreen() {
  constexpr int kWidestPhone = 600;
  return AvailableScreenSize().width < kWidestPhone;
}

int DisplayOrientation() {
  if (UiScript* script = UiScript::Installed(); script && script->screen()) {
    return script->screen()->orientation;
  }
  const ScreenSize size = PrimaryScreenSize();
  return size.height > size.width ? 0 : 90;
}

std::filesystem::path ModulePath() {
  if (UiScript* script = UiScript::Installed(); script && script->modulePath()) {
    return *script->modulePath();
  }
  std::error_code error;
  std::filesystem::path path = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return std::filesystem::weakly_canonical(path, error);
}

}  // namespace tallyfox
