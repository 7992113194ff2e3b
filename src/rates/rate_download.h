// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QUrl>
#include <chrono>
#include <cstddef>
#include <optional>

#include "core/common/progress.h"
#include "core/common/reporter.h"

namespace tallyfox {

// The body of `url`, fetched while the event loop turns. Redirects are
// followed within the same scheme only. Nothing when the user cancelled, or
// after telling `reporter` why: no answer within `timeout`, an error of the
// network or the server, or more than `mostBytes`.
std::optional<QByteArray> DownloadRates(const QUrl& url, Progress& progress, Reporter& reporter,
                                        std::chrono::milliseconds timeout, std::size_t mostBytes);

}  // namespace tallyfox
