// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/ecb_rates.h"

#include <QXmlStreamReader>

namespace tallyfox {
namespace {

const QString kEnvelopeNamespace = QStringLiteral("http://www.gesmes.org/xml/2002-08-01");
const QString kCubeNamespace = QStringLiteral("http://www.ecb.int/vocabulary/2002-08-01/eurofxref");

bool IsCube(const QXmlStreamReader& xml) {
  return xml.name() == QStringLiteral("Cube") && xml.namespaceUri() == kCubeNamespace;
}

// Days are nested in a Cube as Cubes with a time; a day's rates are Cubes
// with a currency and a rate.
class DayCollector {
 public:
  void StartCube(const QXmlStreamAttributes& attributes, int depth) {
    if (attributes.hasAttribute(QStringLiteral("time"))) {
      day_ = EuroRates{attributes.value(QStringLiteral("time")).toString().toStdU16String(), {}};
      dayDepth_ = depth;
    } else if (dayDepth_ > 0 && attributes.hasAttribute(QStringLiteral("currency"))) {
      day_.rates.emplace_back(
          attributes.value(QStringLiteral("currency")).toString().toStdU16String(),
          attributes.value(QStringLiteral("rate")).toString().trimmed().toStdU16String());
    }
  }
  void EndCube(int depth) {
    if (depth != dayDepth_) return;
    dayDepth_ = 0;
    if (!day_.rates.empty() && (!newest_ || day_.date > newest_->date)) newest_ = day_;
  }
  std::optional<EuroRates> newest() const { return newest_; }

 private:
  EuroRates day_;
  int dayDepth_ = 0;
  std::optional<EuroRates> newest_;
};

}  // namespace

std::optional<EuroRates> ReadEcbRates(const QByteArray& xml) {
  QXmlStreamReader reader(xml);
  DayCollector days;
  int cubeDepth = 0;
  bool inEnvelope = false;
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      if (!inEnvelope) {
        if (reader.name() != QStringLiteral("Envelope") ||
            reader.namespaceUri() != kEnvelopeNamespace) {
          return std::nullopt;
        }
        inEnvelope = true;
      } else if (IsCube(reader)) {
        days.StartCube(reader.attributes(), ++cubeDepth);
      }
    } else if (token == QXmlStreamReader::EndElement && IsCube(reader)) {
      days.EndCube(cubeDepth--);
    }
  }
  if (reader.hasError()) return std::nullopt;
  return days.newest();
}

}  // namespace tallyfox
