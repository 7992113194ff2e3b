// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rate file brought up to the euro reference rates of one day, as the
// European Central Bank publishes them.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/common/reporter.h"

namespace tallyfox {

struct EuroRates {
  std::u16string date;  // as published: 2026-12-04
  // Currency code and how many of its units one euro buys, as published.
  std::vector<std::pair<std::u16string, std::u16string>> rates;
};

// Gives every ordered pair of the converter's currencies whose euro rate is
// known (quoted, or fixed as the franc's and the mark's are) the cross rate
// through the euro, in as many digits as the rate field holds, and the file
// the date of the rates. Lines of other pairs keep their text and every line
// its place; pairs the file lacks come at the end. The file is replaced in
// one step. The count of pairs whose rate changed, or nothing, after telling
// the user why and with the file as it was: a rate that is not a positive
// number, rates older than the file's, a file that cannot be rewritten.
std::optional<int> UpdateRateFile(const std::filesystem::path& rateFile, const EuroRates& rates,
                                  Reporter& reporter);

// What an update tells the user: "Exchange rates of 2026-12-04: 3 pairs changed."
std::u16string RatesUpdatedText(std::u16string_view date, int changedPairs);

}  // namespace tallyfox
