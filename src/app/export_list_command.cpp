// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/export_list_command.h"

#include <cstdio>
#include <optional>

#include "app/command_folder.h"
#include "core/common/reporter.h"
#include "core/common/text.h"
#include "core/shoplist/list_store.h"
#include "core/shoplist/list_text.h"
#include "core/tax/tax_file.h"

namespace tallyfox {
namespace {

class StandardErrorReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override {
    std::fprintf(stderr, "tallyfox: %s\n", ToUtf8(message).c_str());
  }
};

// No tax.ini is no state chosen, not an error.
class IgnoredReports : public Reporter {
  void Report(std::u16string_view) override {}
};

}  // namespace

int ExportListCommand(const CommandLine& line) {
  const std::optional<std::filesystem::path> folder = FindFolderOf(line);
  if (!folder) return 1;
  TaxSetting setting;
  IgnoredReports noTaxFile;
  ReadTaxFile(*folder, setting, noTaxFile);
  StandardErrorReporter reporter;
  const std::optional<ListContents> contents =
      ListStore(*folder, reporter).ReadItems(line.listName);
  if (!contents) return 1;
  const ListSheet sheet = MakeListSheet(line.listName, *contents, StoredGeneralRate(setting));
  std::fputs(ToUtf8(ListSheetText(sheet)).c_str(), stdout);
  return 0;
}

}  // namespace tallyfox
