// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/exchange_rates.h"

#include <cmath>
#include <optional>
#include <utility>
#include <vector>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/converter/rate_file.h"

namespace tallyfox {
namespace {

// The refill list lacks the franc and the mark, which sit here in the
// start-up list.
constexpr std::int32_t kFirstDroppedCurrency = 9;
constexpr std::int32_t kDroppedCurrencies = 2;

constexpr auto kRefillCurrencies = [] {
  std::array<std::u16string_view, kStartupCurrencies.size() - kDroppedCurrencies> refill{};
  std::size_t next = 0;
  for (std::int32_t i = 0; i < static_cast<std::int32_t>(kStartupCurrencies.size()); ++i) {
    if (i < kFirstDroppedCurrency || i >= kFirstDroppedCurrency + kDroppedCurrencies) {
      refill[next++] = kStartupCurrencies[static_cast<std::size_t>(i)];
    }
  }
  return refill;
}();

struct StorableRate {
  std::u16string rate;
  std::u16string reverse;
};

// A rate whose text and reverse fit their field and read back as a positive
// number; nothing for any other.
std::optional<StorableRate> MakeStorableRate(std::u16string_view rateText) {
  const std::vector<std::u16string_view> words = SplitWords(rateText);
  if (words.size() != 1 || words[0].size() > kMaxRateChars) return std::nullopt;
  const double rate = ReadNumber(words[0]);
  if (!std::isfinite(rate) || rate <= 0) return std::nullopt;
  std::u16string reverse = FormatFixed4(1 / rate);
  if (reverse.size() > kMaxRateChars || !(ReadNumber(reverse) > 0)) return std::nullopt;
  return StorableRate{std::u16string(words[0]), std::move(reverse)};
}

// Every old line keeps its place and its text but for the pair's own lines;
// those the file lacks come at the end.
std::u16string RewriteRateLines(std::u16string_view header,
                                const std::vector<std::u16string>& lines, std::int32_t from,
                                std::int32_t to, const StorableRate& rate) {
  std::u16string text(header);
  text += kRateLineEnd;
  bool hasPair = false;
  bool hasReverse = from == to;
  for (const std::u16string& line : lines) {
    const std::optional<RateLine> parsed = ParseRateLine(line);
    if (parsed && parsed->IsPair(from, to)) {
      text += FormatRateLine(parsed->fromField, parsed->toField, rate.rate);
      hasPair = true;
    } else if (parsed && parsed->IsPair(to, from)) {
      text += FormatRateLine(parsed->fromField, parsed->toField, rate.reverse);
      hasReverse = true;
    } else {
      text += line;
    }
    text += kRateLineEnd;
  }
  const std::u16string fromText = FormatInteger(from);
  const std::u16string toText = FormatInteger(to);
  if (!hasPair) text += FormatRateLine(fromText, toText, rate.rate) + kRateLineEnd;
  if (!hasReverse) text += FormatRateLine(toText, fromText, rate.reverse) + kRateLineEnd;
  return text;
}

}  // namespace

std::span<const std::u16string_view> CurrencyNames(CurrencyList list) {
  if (list == CurrencyList::Refill) return kRefillCurrencies;
  return kStartupCurrencies;
}

std::int32_t RateFilePosition(CurrencyList list, std::int32_t index) {
  if (list == CurrencyList::Refill && index >= kFirstDroppedCurrency) {
    return index + kDroppedCurrencies;
  }
  return index;
}

std::u16string ConvertCurrency(std::u16string_view valueText, double rate) {
  return FormatAmount(ReadNumber(valueText) * rate);
}

double ReadExchangeRate(const std::filesystem::path& rateFile, std::int32_t fromIndex,
                        std::int32_t toIndex, Reporter& reporter) {
  std::optional<double> rate;
  std::u16string header;
  const bool read =
      VisitDataLines(rateFile, OpenMode::Read, header, [&](const std::u16string& line) {
        // Most lines are another currency's, as their first number shows: a
        // keystroke reads the whole file, so they are passed over at once.
        if (ReadInteger(line) != fromIndex) return true;
        const std::optional<RateLine> parsed = ParseRateLine(line);
        if (parsed && parsed->IsPair(fromIndex, toIndex)) rate = ReadNumber(parsed->rate);
        return !rate;
      });
  if (!read) {
    reporter.Report(u"Failed to open exchange rate file.");
    return 0.0;
  }
  if (rate) return *rate;
  return fromIndex == toIndex ? 1.0 : 0.0;
}

std::optional<std::u16string> ReadRatesDate(const std::filesystem::path& rateFile) {
  std::u16string header;
  if (!VisitDataLines(rateFile, OpenMode::Read, header,
                      [](const std::u16string&) { return false; })) {
    return std::nullopt;
  }
  return RatesDateOf(header);
}

bool StoreExchangeRate(const std::filesystem::path& rateFile, std::int32_t fromIndex,
                       std::int32_t toIndex, std::u16string_view rateText, Reporter& reporter) {
  const std::optional<StorableRate> rate = MakeStorableRate(rateText);
  if (!rate) {
    reporter.Report(kUnstorableRateMessage);
    return false;
  }
  // Opened for updating so that a file the user made read-only stays as it is.
  std::vector<std::u16string> lines;
  std::u16string header;
  const bool read =
      VisitDataLines(rateFile, OpenMode::ReadUpdate, header, [&](const std::u16string& line) {
        lines.push_back(line);
        return true;
      });
  if (!read) {
    reporter.Report(u"Failed to open rate file.");
    return false;
  }
  return ReplaceRateFile(rateFile, RewriteRateLines(header, lines, fromIndex, toIndex, *rate),
                         reporter);
}

}  // namespace tallyfox
