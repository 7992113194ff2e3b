// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/default_rates.h"

#include <QFile>

namespace tallyfox {

std::vector<std::byte> DefaultRates() {
  QFile file(QStringLiteral(":/tallyfox/exrate.dat"));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = file.readAll();
  const auto* first = reinterpret_cast<const std::byte*>(bytes.constData());
  return {first, first + bytes.size()};
}

}  // namespace tallyfox
