// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/striped_rows.h"

namespace tallyfox {

void DrawStripedRows(Notification& notification) {
  notification.result = kDrawDoDefault;
  if (notification.drawStage == kDrawPrePaint) {
    notification.result = kDrawNotifyItemDraw;
  } else if (notification.drawStage == kDrawItemPrePaint) {
    notification.textBackground =
        notification.item % 2 != 0 ? kOddRowBackground : kEvenRowBackground;
  }
}

}  // namespace tallyfox
