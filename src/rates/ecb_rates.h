// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The European Central Bank's euro reference rates file.

#include <QByteArray>
#include <optional>

#include "core/converter/rate_update.h"

namespace tallyfox {

// The newest day's rates of a file of the ECB's format, daily or of 90 days;
// nothing for anything else.
std::optional<EuroRates> ReadEcbRates(const QByteArray& xml);

}  // namespace tallyfox
