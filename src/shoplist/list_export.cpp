// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/list_export.h"

#include <utility>

#include "platform/clipboard.h"
#include "platform/modal.h"
#include "platform/print.h"

namespace tallyfox {
void SetListExportMenu(Control& control, std::function<std::optional<ListSheet>()> sheet,
                       bool onCopyKey, std::vector<MenuCommand> more) {
  auto copy = [sheet] {
    if (const std::optional<ListSheet> list = sheet()) CopyToClipboard(ListSheetText(*list));
  };
  auto print = [sheet, &control] {
    const std::optional<ListSheet> list = sheet();
    if (list && PrintWithDialog(control, *list) == PrintResult::Failed) {
      MessageBox(nullptr, u"Failed to print the list.");
    }
  };
  std::vector<MenuCommand> commands = {{u"Copy as Text", copy, onCopyKey}, {u"Print\u2026", print}};
  for (MenuCommand& command : more) commands.push_back(std::move(command));
  SetContextMenu(control, std::move(commands));
}

}  // namespace tallyfox
