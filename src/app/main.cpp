#include <QApplication>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "app/tallyfox_app.h"
#include "core/common/text.h"
#include "core/files/files.h"
#include "platform/display.h"
#include "platform/modal.h"

namespace {

constexpr char16_t kAlreadyRunning[] = u"Tallyfox is already running on this folder.";

bool HasDisplay() {
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
    std::fprintf(stderr, "tallyfox: %s\n", tallyfox::ToUtf8(text).c_str());
  } else {
    tallyfox::MessageBox(nullptr, text);
  }
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
  // A second copy on the same folder would overwrite the first one's changes
  // and delete the wrong items, so it leaves before touching any file. A folder
  // that cannot be locked at all is left to the stores to report.
  std::optional<tallyfox::FolderLock> lock;
  const auto outcome = tallyfox::FolderLock::Take(tallyfox::ModulePath().parent_path(), lock);
  if (outcome == tallyfox::FolderLock::Outcome::HeldElsewhere) {
    TellUser(kAlreadyRunning);
    return 1;
  }
  return tallyfox::CTallyfoxApp().Run();
}
