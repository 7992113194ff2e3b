// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/export_list_command.h"

#include <cstdio>
#include <optional>
#include <string>

#include "app/command_folder.h"
#include "core/common/output.h"
#include "core/common/reporter.h"
#include "core/common/text.h"
#include "core/shoplist/list_store.h"
#include "core/shoplist/list_tax.h"
#include "core/shoplist/list_text.h"
#include "core/tax/tax_file.h"

namespace tallyfox {

int ExportListCommand(const CommandLine& line) {
  const std::optional<std::filesystem::path> folder = FindFolderOf(line);
  if (!folder) return 1;
  StandardErrorReporter reporter;
  // No tax.ini is no state chosen; one that cannot be read is said, as the
  // window says it, and the list is printed without a state.
  TaxSetting setting;
  ReadTaxFile(*folder, setting, reporter);
  const std::optional<ListContents> contents =
      ListStore(*folder, reporter).ReadItems(line.listName);
  if (!contents) return 1;
  const ListSheet sheet = MakeListSheet(line.listName, *contents, StoredListRates(setting));
  if (const std::optional<std::string> failure =
          WriteAndFlush(stdout, ToUtf8(TerminalSheetText(sheet)))) {
    reporter.Report(u"Failed to write the list: " + FromUtf8(*failure));
    return 1;
  }
  return 0;
}

}  // namespace tallyfox
