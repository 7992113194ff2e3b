// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rates/rate_download.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <memory>
#include <string>

namespace tallyfox {
namespace {

std::u16string Text(const QString& text) { return text.toStdU16String(); }

// Why the finished `reply` brought no rates; empty when it did.
std::u16string FailureOf(QNetworkReply& reply, std::chrono::milliseconds timeout) {
  const std::u16string host = Text(reply.request().url().host());
  const int status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  // The transfer timeout ends a reply as a cancel would.
  if (reply.error() == QNetworkReply::OperationCanceledError ||
      reply.error() == QNetworkReply::TimeoutError) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(timeout).count();
    return u"No answer from " + host + u" within " + Text(QString::number(seconds)) +
           (seconds == 1 ? u" second." : u" seconds.");
  }
  if (status >= 300) {
    return host + u" answered " + Text(QString::number(status)) + u" " +
           Text(reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString()) + u".";
  }
  if (reply.error() != QNetworkReply::NoError) {
    return u"Could not reach " + host + u": " + Text(reply.errorString()) + u".";
  }
  return {};
}

}  // namespace

std::optional<QByteArray> DownloadRates(const QUrl& url, Progress& progress, Reporter& reporter,
                                        std::chrono::milliseconds timeout, std::size_t mostBytes) {
  QNetworkAccessManager manager;
  QNetworkRequest request(url);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::UserVerifiedRedirectPolicy);
  request.setTransferTimeout(static_cast<int>(timeout.count()));
  const std::unique_ptr<QNetworkReply> reply(manager.get(request));
  std::u16string failure;
  bool cancelled = false;
  // An https address must not be answered over http, nor the other way.
  QObject::connect(reply.get(), &QNetworkReply::redirected, [&](const QUrl& to) {
    if (to.scheme() == url.scheme()) {
      emit reply->redirectAllowed();
      return;
    }
    failure = Text(url.host()) + u" sent the request on to " + Text(to.toString()) +
              u", of another scheme; it was not followed.";
    reply->abort();
  });
  QObject::connect(reply.get(), &QNetworkReply::downloadProgress, [&](qint64 done, qint64 total) {
    progress.Show(done, total < 0 ? 0 : total);
    if (done > static_cast<qint64>(mostBytes)) {
      failure = Text(url.host()) + u" sent more than any file of rates holds.";
      reply->abort();
    }
  });
  progress.OnCancel([&] {
    cancelled = true;
    reply->abort();
  });
  QEventLoop loop;
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  if (!reply->isFinished()) loop.exec();
  progress.OnCancel({});
  if (cancelled) return std::nullopt;
  if (failure.empty()) failure = FailureOf(*reply, timeout);
  if (!failure.empty()) {
    reporter.Report(failure);
    return std::nullopt;
  }
  return reply->readAll();
}

}  // namespace tallyfox
