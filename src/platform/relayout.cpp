// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/relayout.h"

#include <QWidget>
#include <utility>
#include <vector>

namespace tallyfox {

bool RelayoutFromTemplate(Dialog& window, int templateNumber) {
  const DialogTemplate* layout = FindTemplate(templateNumber);
  if (layout == nullptr || !window.HasWindow()) return false;
  bool result = true;
  int itemsWithoutId = 0;
  // Queue every move first and apply them together, as a deferred move did.
  std::vector<std::pair<Control*, PixelRect>> moves;
  for (const ItemTemplate& item : layout->items) {
    if (!window.HasItem(item.id)) {
      result = false;
      break;
    }
    Control& control = window.Item(item.id);
    moves.emplace_back(&control, window.MapDialogRect(item.rect));
    control.ShowTemplate(item);
    if (item.id == kIdcStatic) ++itemsWithoutId;
  }
  for (auto& [control, rect] : moves) control->Move(rect);
  return result && itemsWithoutId < 2;
}

}  // namespace tallyfox
