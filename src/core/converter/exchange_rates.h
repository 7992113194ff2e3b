// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Currencies, their exchange rates and the rate file that keeps them.
//
// The rate file is UTF-16LE: a header line, then one line per ordered pair
// of currencies, "from  to  rate  ", where from and to are positions in the
// start-up currency list and an amount in the first currency times the rate
// is the amount in the second.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/common/reporter.h"

namespace tallyfox {

// The converter shows the start-up list until "Currency" is chosen, and the
// refill list, which lacks the franc and the mark, from then on.
enum class CurrencyList { Startup, Refill };

inline constexpr std::array<std::u16string_view, 24> kStartupCurrencies = {
    u"US Dollar(USD)",          u"Euro(EUR)",           u"Australian Dollar(AUD)",
    u"Brazilian Real(BRL)",     u"British Pound(GBP)",  u"Canadian Dollar(CAD)",
    u"Chinese Yuan(CNY)",       u"Czech Koruna(CZK)",   u"Danish Krone(DKK)",
    u"France Franc(FRF)",       u"German Mark(DEM)",    u"Hong Kong Dollar(HKD)",
    u"Hungarian Forint(HUF)",   u"Indian Rupee(INR)",   u"Japanese Yen(JPY)",
    u"Korean Won(KRW)",         u"Mexican Peso(MXN)",   u"New Zealand Dollar(NZD)",
    u"Norwegian Krone(NOK)",    u"Russian Rouble(RUB)", u"Singapore Dollar(SGD)",
    u"South African Rand(ZAR)", u"Swedish Krona(SEK)",  u"Swiss Franc(CHF)",
};

std::span<const std::u16string_view> CurrencyNames(CurrencyList list);

// The rate file's position of the currency at `index` in `list`, so that a
// currency has the same rates in both lists. -1 (no selection) stays -1.
std::int32_t RateFilePosition(CurrencyList list, std::int32_t index);

// The value read from `valueText` times `rate`, as "%.2f" ("too large" past a
// double's range).
std::u16string ConvertCurrency(std::u16string_view valueText, double rate);

// The rate of the first line for the pair of file positions. A pair without
// a line has no known rate: 0, but 1 for a currency to itself. When the file
// cannot be read, or is no rate file (an odd number of bytes, or no LF among
// its first 15 characters, as in one saved as UTF-8 or with CR line ends),
// reports "Failed to open exchange rate file." and gives 0. An empty file, or
// one of the byte-order mark alone, is a rate file without lines.
double ReadExchangeRate(const std::filesystem::path& rateFile, std::int32_t fromIndex,
                        std::int32_t toIndex, Reporter& reporter);

// Stores `rateText` for the pair of file positions (from, to) and its reverse,
// written as "%.4f", for (to, from), adding the lines that the file lacks.
// Refuses with a message a rate that would not read back: not one positive
// number, longer than 9 characters, or with a reverse that is longer or
// reads as 0. The file is replaced in one step. False, with the file
// unchanged, when anything fails, and so for a file that cannot be a rate
// file (see ReadExchangeRate), which a rewrite would cut down to its header.
bool StoreExchangeRate(const std::filesystem::path& rateFile, std::int32_t fromIndex,
                       std::int32_t toIndex, std::u16string_view rateText, Reporter& reporter);

// The date of the rates in the file, "2026-12-04", from its header line;
// nothing for rates the user set (a header without a date) or a file that
// cannot be read.
std::optional<std::u16string> ReadRatesDate(const std::filesystem::path& rateFile);

// Shown when "Set" is given a rate that the file could not give back.
inline constexpr std::u16string_view kUnstorableRateMessage =
    u"The exchange rate must be a number above 0.0001 and up to 20000, in 9 characters or "
    u"fewer.";

}  // namespace tallyfox
