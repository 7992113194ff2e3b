// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/update_rates_command.h"

#include <QCoreApplication>
#include <cstdio>
#include <optional>
#include <string>

#include "app/command_folder.h"
#include "app/default_rates.h"
#include "core/common/output.h"
#include "core/common/text.h"
#include "core/converter/rate_update.h"
#include "core/files/data_folder.h"
#include "rates/update_rates.h"

namespace tallyfox {
int UpdateRatesCommand(const CommandLine& line, int argc, char** argv) {
  const std::optional<std::filesystem::path> folder = MakeFolderOf(line);
  if (!folder) return 1;
  QCoreApplication application(argc, argv);
  StandardErrorReporter reporter;
  // The program rewrites the rate file at any "Set": the two must not interleave.
  std::optional<OpenDataFolder> opened;
  if (OpenDataFolder::Open(*folder, DefaultRates(), opened) ==
      OpenDataFolder::Outcome::HeldElsewhere) {
    reporter.Report(kAlreadyRunning);
    return 1;
  }
  NoProgress quiet;
  const std::optional<RatesUpdated> updated =
      UpdateRates(line.ratesSource, opened->folder() / kRateFileName, quiet, reporter);
  if (!updated) return 1;
  const std::string said = ToUtf8(RatesUpdatedText(updated->date, updated->changedPairs)) + "\n";
  if (const std::optional<std::string> failure = WriteAndFlush(stdout, said)) {
    reporter.Report(u"Failed to write: " + FromUtf8(*failure));
    return 1;
  }
  return 0;
}

}  // namespace tallyfox
