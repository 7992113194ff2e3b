// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/window_command.h"

#include <QApplication>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>

#include "app/command_folder.h"
#include "app/default_rates.h"
#include "app/program_identity.h"
#include "app/tallyfox_app.h"
#include "app/window_handover.h"
#include "app/zoom_setting.h"
#include "core/common/text.h"
#include "core/files/data_folder.h"
#include "platform/modal.h"
#include "platform/zoom.h"

namespace tallyfox {
namespace {

bool HasDisplay(const CommandLine& line) {
  if (line.platformGiven) return true;
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

// In a message box, or on standard error where no one could see one: a box
// on the offscreen platform would wait for ever for an answer.
void TellUser(std::u16string_view text) {
  if (QGuiApplication::platformName() == QStringLiteral("offscreen")) {
    StandardErrorReporter().Report(text);
  } else {
    MessageBox(nullptr, text);
  }
}

void SetUpApplication() {
  // The window's class (X11) and app id (Wayland) let the desktop match the
  // window to its launcher and icon.
  QApplication::setApplicationName(QString::fromStdU16String(std::u16string(kApplicationId)));
  QApplication::setApplicationDisplayName(QStringLiteral("Tallyfox"));
  QGuiApplication::setDesktopFileName(QApplication::applicationName());
  // Qt adopts the environment's locale; numbers are ours to read and write.
  std::setlocale(LC_NUMERIC, "C");
  // A file grown past the size limit fails its write, which the file services
  // undo and report, instead of ending the program with every unsaved edit.
  std::signal(SIGXFSZ, SIG_IGN);
  SetZoom(LoadZoom());
}

}  // namespace

int WindowCommand(const CommandLine& line, int argc, char** argv) {
  const std::optional<std::filesystem::path> folder = MakeFolderOf(line);
  if (!folder) return 1;
  if (!HasDisplay(line)) {
    std::fputs(
        "tallyfox: no display found; set DISPLAY (or WAYLAND_DISPLAY), or start it with "
        "xvfb-run\n",
        stderr);
    return 2;
  }
  QApplication application(argc, argv);
  SetUpApplication();
  std::optional<OpenDataFolder> opened;
  if (OpenDataFolder::Open(*folder, DefaultRates(), opened) ==
      OpenDataFolder::Outcome::HeldElsewhere) {
    if (AskRunningProgramToRaise(*folder)) return 0;
    TellUser(kAlreadyRunning);
    return 1;
  }
  // Declared after the lock, so the socket is gone before the lock is let go.
  const WindowHandoverListener listener(opened->folder());
  return CTallyfoxApp().Run(opened->folder());
}

}  // namespace tallyfox
