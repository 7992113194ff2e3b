// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QCommandLineParser>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "app/tallyfox_app.h"
#include "app/zoom_setting.h"
#include "core/common/text.h"
#include "core/files/data_folder.h"
#include "core/files/files.h"
#include "core/shoplist/list_store.h"
#include "core/shoplist/list_text.h"
#include "core/tax/tax_file.h"
#include "platform/display.h"
#include "platform/modal.h"
#include "platform/zoom.h"

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

struct CommandLine {
  std::filesystem::path dataFolder;  // empty when none was asked for
  std::optional<std::u16string> listToExport;
};

// The command line, read before anything needs a display: --help and
// --version answer and end the program here.
CommandLine ReadCommandLine(int argc, char** argv) {
  QCoreApplication reader(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("tallyfox"));
  QCoreApplication::setApplicationVersion(QStringLiteral(TALLYFOX_VERSION));
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("A sale calculator with US sales tax, a discount table, shopping lists and "
                     "a unit, currency and shoe-size converter."));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption dataDir(
      QStringLiteral("data-dir"),
      QStringLiteral("Keep the tax setting, the exchange rates and the lists in <folder>."),
      QStringLiteral("folder"));
  parser.addOption(dataDir);
  const QCommandLineOption exportList(
      QStringLiteral("export-list"),
      QStringLiteral("Print the shopping list <name> as text and leave; needs no display."),
      QStringLiteral("name"));
  parser.addOption(exportList);
  parser.process(reader);
  CommandLine line;
  if (parser.isSet(dataDir)) {
    line.dataFolder = std::filesystem::absolute(parser.value(dataDir).toStdString());
  }
  if (parser.isSet(exportList)) line.listToExport = parser.value(exportList).toStdU16String();
  return line;
}

class StandardErrorReporter : public tallyfox::Reporter {
 public:
  void Report(std::u16string_view message) override {
    std::fprintf(stderr, "tallyfox: %s\n", tallyfox::ToUtf8(message).c_str());
  }
};

// No tax.ini is no state chosen, not an error.
class IgnoredReports : public tallyfox::Reporter {
  void Report(std::u16string_view) override {}
};

// Only reads: it takes no lock, so it may run beside the program, and it
// leaves no folder or file behind.
int ExportList(const CommandLine& line) {
  const std::filesystem::path folder =
      tallyfox::FindDataFolder(tallyfox::ModulePath(), line.dataFolder);
  tallyfox::TaxSetting setting;
  IgnoredReports noTaxFile;
  tallyfox::ReadTaxFile(folder, setting, noTaxFile);
  StandardErrorReporter reporter;
  const std::optional<tallyfox::ListContents> contents =
      tallyfox::ListStore(folder, reporter).ReadItems(*line.listToExport);
  if (!contents) return 1;
  const tallyfox::ListSheet sheet =
      tallyfox::MakeListSheet(*line.listToExport, *contents, tallyfox::StoredListRates(setting));
  std::fputs(tallyfox::ToUtf8(tallyfox::ListSheetText(sheet)).c_str(), stdout);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = ReadCommandLine(argc, argv);
  if (line.listToExport) return ExportList(line);
  const std::filesystem::path& requestedFolder = line.dataFolder;
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
  tallyfox::SetZoom(tallyfox::LoadZoom());
  const std::filesystem::path executable = tallyfox::ModulePath();
  const std::filesystem::path folder = tallyfox::FindDataFolder(executable, requestedFolder);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);  // a folder to lock, no file yet
  // A second copy on the same folder would overwrite the first one's changes
  // and delete the wrong items, so it leaves before touching any file. A folder
  // that cannot be locked at all is left to the stores to report.
  std::optional<tallyfox::FolderLock> lock;
  if (tallyfox::FolderLock::Take(folder, lock) == tallyfox::FolderLock::Outcome::HeldElsewhere) {
    TellUser(kAlreadyRunning);
    return 1;
  }
  tallyfox::PrepareDataFolder(folder, executable);
  return tallyfox::CTallyfoxApp().Run(folder);
}
