// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/update_rates.h"

#include <QUrl>
#include <cstdlib>

#include "core/converter/rate_update.h"
#include "core/files/files.h"
#include "rates/ecb_rates.h"
#include "rates/rate_download.h"

namespace tallyfox {
namespace {

// The ECB's 90-day file is some 50 KB; nothing genuine comes near this.
constexpr std::size_t kMostRatesBytes = 4 * 1024 * 1024;

bool IsWebAddress(const QString& source) {
  return source.startsWith(QStringLiteral("https://"), Qt::CaseInsensitive) ||
         source.startsWith(QStringLiteral("http://"), Qt::CaseInsensitive);
}

std::optional<QByteArray> ReadRatesFile(const QString& source, Reporter& reporter) {
  if (source.contains(QStringLiteral("://"))) {
    reporter.Report(u"Only https:// and http:// addresses can be fetched, not " +
                    source.toStdU16String() + u".");
    return std::nullopt;
  }
  const std::optional<std::vector<std::byte>> bytes =
      ReadWholeFile(std::filesystem::path(source.toStdString()), kMostRatesBytes);
  if (!bytes) {
    reporter.Report(u"Failed to read " + source.toStdU16String() + u".");
    return std::nullopt;
  }
  return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                    static_cast<qsizetype>(bytes->size()));
}

}  // namespace

std::u16string DailyRatesAddress() {
  const char* test = std::getenv("TALLYFOX_TEST_RATES_URL");
  if (test != nullptr && *test != '\0') return QString::fromUtf8(test).toStdU16String();
  return std::u16string(kEcbDailyRates);
}

std::optional<RatesUpdated> UpdateRates(std::u16string_view source,
                                        const std::filesystem::path& rateFile, Progress& progress,
                                        Reporter& reporter, std::chrono::milliseconds timeout) {
  const QString where = QString::fromStdU16String(std::u16string(source));
  const std::optional<QByteArray> bytes =
      IsWebAddress(where) ? DownloadRates(QUrl(where), progress, reporter, timeout, kMostRatesBytes)
                          : ReadRatesFile(where, reporter);
  if (!bytes) return std::nullopt;
  const std::optional<EuroRates> rates = ReadEcbRates(*bytes);
  if (!rates) {
    reporter.Report(u"The rates from " + where.toStdU16String() +
                    u" are not the European Central Bank's reference rates.");
    return std::nullopt;
  }
  const std::optional<int> changed = UpdateRateFile(rateFile, *rates, reporter);
  if (!changed) return std::nullopt;
  return RatesUpdated{rates->date, *changed};
}

}  // namespace tallyfox
