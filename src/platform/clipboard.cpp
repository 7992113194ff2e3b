// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/widgets.h"

namespace tallyfox {

void CopyToClipboard(std::u16string_view text) {
  QGuiApplication::clipboard()->setText(ToQString(text));
}

}  // namespace tallyfox
