// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "converter/shoe_size_view.h"

#include <vector>

#include "core/converter/shoe_sizes.h"

namespace tallyfox {

void BuildShoeSizeTable(ListView& view, ConverterCategory category, bool landscape) {
  const std::optional<ShoeSizeTable> table = ShoeSizeTableOf(category);
  if (!table) return;
  std::vector<ListColumn> columns;
  for (const ShoeSizeColumn& heading : table->columns) {
    columns.push_back({heading.heading, landscape ? heading.landscapeWidth : heading.portraitWidth,
                       ColumnAlign::Center});
  }
  view.SetColumns(columns);
  view.Show(true);
  int row = 0;
  for (const ShoeSizeRow& cells : table->rows) {
    view.InsertItem(row, cells[0]);
    for (std::size_t cell = 1; cell < cells.size(); ++cell) {
      if (!cells[cell].empty()) view.SetItemText(row, static_cast<int>(cell), cells[cell]);
    }
    ++row;
  }
}

}  // namespace tallyfox
