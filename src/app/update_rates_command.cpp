// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/update_rates_command.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <system_error>

#include "core/common/text.h"
#include "core/converter/rate_update.h"
#include "core/files/data_folder.h"
#include "core/files/files.h"
#include "platform/display.h"
#include "rates/update_rates.h"

namespace tallyfox {
namespace {

class StandardErrorReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override {
    std::fprintf(stderr, "tallyfox: %s\n", ToUtf8(message).c_str());
  }
};

}  // namespace

int UpdateRatesCommand(int argc, char** argv, const std::filesystem::path& requestedFolder,
                       const std::u16string& source) {
  QCoreApplication application(argc, argv);
  StandardErrorReporter reporter;
  const std::filesystem::path executable = ModulePath();
  const std::filesystem::path folder = FindDataFolder(executable, requestedFolder);
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  // The program rewrites the rate file at any "Set": the two must not interleave.
  std::optional<FolderLock> lock;
  if (FolderLock::Take(folder, lock) == FolderLock::Outcome::HeldElsewhere) {
    reporter.Report(u"Tallyfox is already running on this folder.");
    return 1;
  }
  PrepareDataFolder(folder, executable);
  NoProgress quiet;
  const std::optional<RatesUpdated> updated =
      UpdateRates(source, folder / "exrate.dat", quiet, reporter);
  if (!updated) return 1;
  std::printf("%s\n", ToUtf8(RatesUpdatedText(updated->date, updated->changedPairs)).c_str());
  return 0;
}

}  // namespace tallyfox
