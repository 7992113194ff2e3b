#include <QApplication>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "app/tallyfox_app.h"

namespace {

bool HasDisplay() {
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"}) {
    const char* value = std::getenv(name);
    if (value != nullptr && *value != '\0') return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (!HasDisplay()) {
    std::fputs(
        "tallyfox: no display found; set DISPLAY (or WAYLAND_DISPLAY), or start it with "
        "xvfb-run\n",
        stderr);
    return 2;
  }
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallyfox"));
  // Lets the desktop match the window to its launcher and icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tallyfox"));
  // Qt adopts the environment's locale; numbers are ours to read and write.
  std::setlocale(LC_NUMERIC, "C");
  // A file grown past the size limit fails its write, which the file services
  // undo and report, instead of ending the program with every unsaved edit.
  std::signal(SIGXFSZ, SIG_IGN);
  return tallyfox::CTallyfoxApp().Run();
}
