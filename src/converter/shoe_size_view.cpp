#include "converter/shoe_size_view.h"

#include "core/converter/shoe_sizes.h"

namespace tallyfox {

void BuildShoeSizeTable(ListView& view, ConverterCategory category, bool landscape) {
  const std::optional<ShoeSizeTable> table = ShoeSizeTableOf(category);
  if (!table) return;
  int column = 0;
  for (const ShoeSizeColumn& heading : table->columns) {
    view.InsertColumn(column++, heading.heading,
                      landscape ? heading.landscapeWidth : heading.portraitWidth,
                      ColumnAlign::Center);
  }
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
