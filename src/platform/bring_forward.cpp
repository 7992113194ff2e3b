// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/bring_forward.h"

#include <QApplication>
#include <QWidget>

#include "platform/dialog.h"
#include "platform/modal.h"
#include "platform/widgets.h"

namespace tallyfox {
namespace {

void Raise(QWidget& window) {
  // Restores a minimised window while keeping it maximised when it was.
  if (window.isMinimized()) {
    window.setWindowState((window.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  }
  window.raise();
}

}  // namespace

void BringForward() {
  QWidget* innermost = nullptr;
  // Outermost first, so that each dialog ends above the window it belongs to.
  for (const Dialog* dialog : ActiveStack()) {
    if (QWidget* window = WidgetOf(*dialog)) {
      Raise(*window);
      innermost = window;
    }
  }
  if (QWidget* modal = QApplication::activeModalWidget()) {
    Raise(*modal);
    innermost = modal;
  }
  if (innermost != nullptr) innermost->activateWindow();
}

}  // namespace tallyfox
