// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Bringing the rate file up to the European Central Bank's reference rates,
// fetched over the network or read from a file. Only ever on the user's
// request: nothing here runs by itself.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "core/common/progress.h"
#include "core/common/reporter.h"

namespace tallyfox {

inline constexpr std::u16string_view kEcbDailyRates =
    u"https://www.ecb.europa.eu/stats/eurofxref/eurofxref-daily.xml";
inline constexpr std::chrono::milliseconds kRatesTimeout = std::chrono::seconds(20);

// What "Update Rates" fetches: the ECB's daily rates, or the address in
// TALLYFOX_TEST_RATES_URL, which lets tests use a server of their own.
std::u16string DailyRatesAddress();

struct RatesUpdated {
  std::u16string date;
  int changedPairs = 0;
};

// `source` is an https:// or http:// address, or the path of a file of the
// ECB's format. Nothing, with the rate file as it was, when the user
// cancelled, or after telling `reporter` why it failed. An address gets no
// answer after `timeout` without data.
std::optional<RatesUpdated> UpdateRates(std::u16string_view source,
                                        const std::filesystem::path& rateFile, Progress& progress,
                                        Reporter& reporter,
                                        std::chrono::milliseconds timeout = kRatesTimeout);

}  // namespace tallyfox
