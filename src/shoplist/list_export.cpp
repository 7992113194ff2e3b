// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/list_export.h"

#include "platform/clipboard.h"
#include "platform/context_menu.h"
#include "platform/print.h"

namespace tallyfox {
namespace {

PrintedPage PageOf(const ListSheet& sheet) {
  return {sheet.title, sheet.columns, sheet.rows, sheet.totals};
}

}  // namespace

void SetListExportMenu(Control& control, std::function<std::optional<ListSheet>()> sheet,
                       bool onCopyKey) {
  auto copy = [sheet] {
    if (const std::optional<ListSheet> list = sheet()) CopyToClipboard(ListSheetText(*list));
  };
  auto print = [sheet, &control] {
    if (const std::optional<ListSheet> list = sheet()) PrintWithDialog(control, PageOf(*list));
  };
  SetContextMenu(control, {{u"Copy as Text", copy, onCopyKey}, {u"Print\u2026", print}});
}

}  // namespace tallyfox
