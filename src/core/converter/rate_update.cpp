// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/rate_update.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/converter/exchange_rates.h"
#include "core/converter/rate_file.h"

namespace tallyfox {
namespace {

constexpr std::size_t kCurrencies = kStartupCurrencies.size();

// No longer quoted: they became the euro at these rates.
constexpr std::array<std::pair<std::u16string_view, double>, 3> kFixedToTheEuro = {{
    {u"EUR", 1.0},
    {u"FRF", 6.55957},
    {u"DEM", 1.95583},
}};

// Units of each currency of the rate file per euro, where known.
using EuroPrices = std::array<std::optional<double>, kCurrencies>;

// The code in a list entry's parentheses: "USD" of "US Dollar(USD)".
std::u16string_view CodeOf(std::u16string_view entry) {
  const std::size_t open = entry.rfind(u'(');
  return entry.substr(open + 1, entry.size() - open - 2);
}

std::optional<std::size_t> PositionOf(std::u16string_view code) {
  for (std::size_t i = 0; i < kCurrencies; ++i) {
    if (CodeOf(kStartupCurrencies[i]) == code) return i;
  }
  return std::nullopt;
}

// Digits with at most one point, nothing else, read as more than 0.
std::optional<double> PositiveNumber(std::u16string_view text) {
  bool point = false;
  for (const char16_t c : text) {
    if (c == u'.' && !point) {
      point = true;
    } else if (!IsDigit(c)) {
      return std::nullopt;
    }
  }
  const double value = ReadNumber(text);
  if (!std::isfinite(value) || !(value > 0)) return std::nullopt;
  return value;
}

std::optional<EuroPrices> PricesOf(const EuroRates& rates, Reporter& reporter) {
  EuroPrices prices{};
  for (const auto& [code, price] : kFixedToTheEuro) prices[*PositionOf(code)] = price;
  for (const auto& [code, text] : rates.rates) {
    const std::optional<double> price = PositiveNumber(text);
    if (!price) {
      reporter.Report(u"The rate of " + code + u", \"" + text + u"\", is not a positive number.");
      return std::nullopt;
    }
    const std::optional<std::size_t> at = PositionOf(code);
    if (at && !prices[*at]) prices[*at] = price;
  }
  return prices;
}

class CrossRates {
 public:
  explicit CrossRates(const EuroPrices& prices) : prices_(prices) {}

  bool Knows(std::int32_t from, std::int32_t to) const {
    return IsPosition(from) && IsPosition(to) && prices_[Index(from)] && prices_[Index(to)];
  }
  // Empty for a rate that the field cannot hold.
  std::u16string Text(std::int32_t from, std::int32_t to) const {
    if (from == to) return u"1";
    std::u16string text =
        FormatFixedWithin(*prices_[Index(to)] / *prices_[Index(from)], kMaxRateChars);
    return ReadNumber(text) > 0 ? text : std::u16string();
  }

 private:
  static bool IsPosition(std::int32_t at) { return at >= 0 && at < std::int32_t{kCurrencies}; }
  static std::size_t Index(std::int32_t at) { return static_cast<std::size_t>(at); }
  const EuroPrices& prices_;
};

struct Rewritten {
  std::u16string text;
  int changedPairs = 0;
  std::u16string unfit;  // a pair whose rate the field cannot hold
};

class RateFileRewrite {
 public:
  RateFileRewrite(const CrossRates& rates, std::u16string_view date) : rates_(rates) {
    result_.text = kByteOrderMark;
    result_.text += date;
    result_.text += kRateLineEnd;
  }

  void Line(const std::u16string& line) {
    const std::optional<RateLine> parsed = ParseRateLine(line);
    const std::int32_t from = parsed ? ReadInteger(parsed->fromField) : -1;
    const std::int32_t to = parsed ? ReadInteger(parsed->toField) : -1;
    if (!parsed || !rates_.Knows(from, to)) {
      result_.text += line;
      result_.text += kRateLineEnd;
      return;
    }
    Write(from, to, parsed->fromField, parsed->toField, parsed->rate);
  }

  // Pairs the file lacks, in order, after its own lines.
  Rewritten Finish() {
    for (std::int32_t from = 0; from < std::int32_t{kCurrencies}; ++from) {
      for (std::int32_t to = 0; to < std::int32_t{kCurrencies}; ++to) {
        if (!rates_.Knows(from, to) || seen_[Index(from, to)]) continue;
        Write(from, to, FormatInteger(from), FormatInteger(to), {});
      }
    }
    return std::move(result_);
  }

 private:
  static std::size_t Index(std::int32_t from, std::int32_t to) {
    return static_cast<std::size_t>(from) * kCurrencies + static_cast<std::size_t>(to);
  }

  void Write(std::int32_t from, std::int32_t to, std::u16string_view fromField,
             std::u16string_view toField, std::u16string_view oldRate) {
    const std::u16string rate = rates_.Text(from, to);
    if (rate.empty() && result_.unfit.empty()) {
      result_.unfit = std::u16string(CodeOf(kStartupCurrencies[static_cast<std::size_t>(from)])) +
                      u" to " +
                      std::u16string(CodeOf(kStartupCurrencies[static_cast<std::size_t>(to)]));
    }
    if (rate != oldRate && !changed_[Index(from, to)]) {
      changed_[Index(from, to)] = true;
      ++result_.changedPairs;
    }
    seen_[Index(from, to)] = true;
    result_.text += FormatRateLine(fromField, toField, rate);
    result_.text += kRateLineEnd;
  }

  const CrossRates& rates_;
  Rewritten result_;
  std::array<bool, kCurrencies * kCurrencies> seen_{};
  std::array<bool, kCurrencies * kCurrencies> changed_{};
};

}  // namespace

std::optional<int> UpdateRateFile(const std::filesystem::path& rateFile, const EuroRates& rates,
                                  Reporter& reporter) {
  if (RatesDateOf(rates.date) != rates.date) {
    reporter.Report(u"The rates carry no date of the form 2026-12-04.");
    return std::nullopt;
  }
  const std::optional<EuroPrices> prices = PricesOf(rates, reporter);
  if (!prices) return std::nullopt;
  const CrossRates crossRates(*prices);
  RateFileRewrite rewrite(crossRates, rates.date);
  std::u16string header;
  // Opened for updating so that a file the user made read-only stays as it is.
  if (!VisitDataLines(rateFile, OpenMode::ReadUpdate, header, [&](const std::u16string& line) {
        rewrite.Line(line);
        return true;
      })) {
    reporter.Report(u"Failed to open rate file.");
    return std::nullopt;
  }
  const std::optional<std::u16string> fileDate = RatesDateOf(header);
  if (fileDate && rates.date < *fileDate) {
    reporter.Report(u"These rates of " + rates.date + u" are older than those in the file, of " +
                    *fileDate + u".");
    return std::nullopt;
  }
  const Rewritten rewritten = rewrite.Finish();
  if (!rewritten.unfit.empty()) {
    reporter.Report(u"The rate of " + rewritten.unfit + u" does not fit in 9 characters.");
    return std::nullopt;
  }
  if (!ReplaceRateFile(rateFile, rewritten.text, reporter)) return std::nullopt;
  return rewritten.changedPairs;
}

std::u16string RatesUpdatedText(std::u16string_view date, int changedPairs) {
  return u"Exchange rates of " + std::u16string(date) + u": " + FormatInteger(changedPairs) +
         (changedPairs == 1 ? u" pair changed." : u" pairs changed.");
}

}  // namespace tallyfox
