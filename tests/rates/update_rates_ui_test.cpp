// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Fetching the European Central Bank's rates, from a server of the test's own
// on 127.0.0.1: nothing here reaches the internet.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <map>

#include "converter/converter_page.h"
#include "core/converter/exchange_rates.h"
#include "platform/widgets.h"
#include "rates/update_rates.h"
#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;
using Messages = std::vector<std::u16string>;
using namespace std::chrono_literals;

QByteArray EcbFile(const QByteArray& days) {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<gesmes:Envelope xmlns:gesmes=\"http://www.gesmes.org/xml/2002-08-01\" "
         "xmlns=\"http://www.ecb.int/vocabulary/2002-08-01/eurofxref\">\n"
         "<gesmes:subject>Reference rates</gesmes:subject>\n<Cube>\n" +
         days + "</Cube>\n</gesmes:Envelope>\n";
}

const QByteArray kDaily = EcbFile(
    "<Cube time='2026-12-04'><Cube currency='USD' rate='1.0500'/>"
    "<Cube currency='JPY' rate='160.00'/><Cube currency='GBP' rate='0.8300'/></Cube>\n");

// Answers each request for a path it knows with the reply given for it, and
// never answers one for another path.
class LocalHttpServer {
 public:
  LocalHttpServer() {
    server_.listen(QHostAddress::LocalHost, 0);
    origin_ = QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
          const QByteArray seen = socket->property("seen").toByteArray() + socket->readAll();
          socket->setProperty("seen", seen);
          const auto reply = replies_.find(seen.split(' ').value(1));
          if (!seen.contains("\r\n\r\n") || reply == replies_.end()) return;
          socket->write(reply->second);
          socket->disconnectFromHost();
        });
      }
    });
  }
  void Answer(const QByteArray& path, const QByteArray& status, const QByteArray& body,
              const QByteArray& headers = {}) {
    replies_[path] = "HTTP/1.1 " + status +
                     "\r\nContent-Length: " + QByteArray::number(body.size()) +
                     "\r\nConnection: close\r\n" + headers + "\r\n" + body;
  }
  std::u16string Url(const QString& path) const { return (origin_ + path).toStdU16String(); }

 private:
  QTcpServer server_;
  QString origin_;
  std::map<QByteArray, QByteArray> replies_;
};

class CancelSoon : public NoProgress {
 public:
  void OnCancel(std::function<void()> cancel) override {
    if (cancel) QTimer::singleShot(50, cancel);
  }
};

class UpdateRatesTest : public ProgramTest {
 protected:
  std::optional<RatesUpdated> Update(std::u16string_view source,
                                     std::chrono::milliseconds timeout = kRatesTimeout) {
    return UpdateRates(source, rates_, noProgress_, reporter_, timeout);
  }
  Messages Reports() { return std::exchange(reporter_.messages, {}); }

  NoProgress noProgress_;
  std::filesystem::path rates_ = folder_.path() / "exrate.dat";
  RecordingReporter reporter_;
  LocalHttpServer server_;
};

TEST_F(UpdateRatesTest, FetchesTheDailyRatesFollowingARedirectOfTheSameScheme) {
  server_.Answer("/moved", "302 Found", {}, "Location: /daily.xml\r\n");
  server_.Answer("/daily.xml", "200 OK", kDaily);
  WriteBytes(rates_, Utf16Le(u"\uFEFF\n19  0  0.0117  \n"));
  const std::optional<RatesUpdated> updated = Update(server_.Url("/moved"));
  ASSERT_TRUE(updated.has_value()) << ToUtf8(Reports().at(0));
  EXPECT_EQ(updated->date, u"2026-12-04");
  EXPECT_EQ(updated->changedPairs, 36);  // USD, EUR, FRF, DEM, JPY and GBP
  EXPECT_EQ(ReadExchangeRate(rates_, 1, 0, reporter_), 1.05) << "EUR to USD";
}

TEST_F(UpdateRatesTest, ANinetyDayFileGivesItsNewestDay) {
  const auto file = folder_.path() / "eurofxref-hist-90d.xml";
  WriteBytes(file, EcbFile("<Cube time='2026-12-03'><Cube currency='USD' rate='1.2'/></Cube>\n"
                           "<Cube time='2026-12-04'><Cube currency='USD' rate='1.05'/></Cube>\n"
                           "<Cube time='2026-12-02'><Cube currency='USD' rate='1.3'/></Cube>\n")
                       .toStdString());
  WriteBytes(rates_, "");
  ASSERT_TRUE(Update(file.u16string()).has_value());
  EXPECT_EQ(ReadRatesDate(rates_), u"2026-12-04");
  EXPECT_EQ(ReadExchangeRate(rates_, 1, 0, reporter_), 1.05);
}

TEST_F(UpdateRatesTest, EachFailureSaysWhyAndLeavesTheFileAsItWas) {
  QTcpServer closed;
  closed.listen(QHostAddress::LocalHost, 0);
  const QString closedUrl = QStringLiteral("http://127.0.0.1:%1/").arg(closed.serverPort());
  closed.close();
  const std::u16string https = QStringLiteral("https://127.0.0.1:1/daily.xml").toStdU16String();
  server_.Answer("/missing", "404 Not Found", "gone");
  server_.Answer("/to-https", "301 Moved Permanently", {},
                 "Location: " + QString::fromStdU16String(https).toUtf8() + "\r\n");
  server_.Answer("/page.html", "200 OK", "<html><body>Rates</body></html>");
  server_.Answer("/other.xml", "200 OK", QByteArray(kDaily).replace("gesmes:Envelope", "Envelope"));
  const auto notTheEcbs = [this](const QString& path) {
    return u"The rates from " + server_.Url(path) +
           u" are not the European Central Bank's reference rates.";
  };
  struct Row {
    std::u16string source;
    std::u16string message;
    std::chrono::milliseconds timeout = kRatesTimeout;
  };
  const Row rows[] = {
      {server_.Url("/missing"), u"127.0.0.1 answered 404 Not Found."},
      {server_.Url("/to-https"),
       u"127.0.0.1 sent the request on to " + https + u", of another scheme; it was not followed."},
      {server_.Url("/silent"), u"No answer from 127.0.0.1 within 1 second.", 1s},
      {closedUrl.toStdU16String(), u"Could not reach 127.0.0.1: Connection refused."},
      {server_.Url("/page.html"), notTheEcbs("/page.html")},
      {server_.Url("/other.xml"), notTheEcbs("/other.xml")},
      {u"ftp://127.0.0.1/daily.xml",
       u"Only https:// and http:// addresses can be fetched, not ftp://127.0.0.1/daily.xml."},
  };
  const std::string before = Utf16Le(u"\uFEFF2026-12-01\n0  1  0.9  \n");
  for (const Row& row : rows) {
    SCOPED_TRACE(ToUtf8(row.source));
    WriteBytes(rates_, before);
    EXPECT_EQ(Update(row.source, row.timeout), std::nullopt);
    EXPECT_EQ(Reports(), Messages{row.message});
    EXPECT_EQ(ReadBytes(rates_), before);
  }
}

TEST_F(UpdateRatesTest, CancelStopsTheDownloadSayingNothing) {
  const std::string before = Utf16Le(u"\uFEFF\n0  1  0.9  \n");
  WriteBytes(rates_, before);
  CancelSoon cancel;
  EXPECT_EQ(UpdateRates(server_.Url("/silent"), rates_, cancel, reporter_), std::nullopt);
  EXPECT_EQ(Reports(), Messages{});
  EXPECT_EQ(ReadBytes(rates_), before);
}

TEST_F(UpdateRatesTest, F5OnTheConverterShowsTheNewRateAndItsDate) {
  server_.Answer("/daily.xml", "200 OK", kDaily);
  qputenv("TALLYFOX_TEST_RATES_URL", QString::fromStdU16String(server_.Url("/daily.xml")).toUtf8());
  WriteBytes(rates_, Utf16Le(u"\uFEFF\n0  1  0.9334  \n"));
  ProgramValues values{folder_.path(), {}, rates_, false, {}};
  CDialogTab5 page(values);
  RunHosted(script_, page, [&] {
    ChooseEntry(page, kIdcToUnitList, 1);
    const Control& rate = page.Item(kIdcExchangeRateField);
    EXPECT_EQ(rate.Description(), u"rates you set");
    QWidget* window = WidgetOf(page)->window();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }));
    page.Item(kIdcValueField).SetFocus();
    script_.ExpectMessage(u"Exchange rates of 2026-12-04: 36 pairs changed.");
    QTest::keyClick(window->windowHandle(), Qt::Key_F5);
    EXPECT_EQ(page.ItemText(kIdcExchangeRateField), u"0.952381");
    EXPECT_EQ(page.ItemText(kIdcResultField), u"95.24");
    EXPECT_EQ(rate.ToolTip(), u"rates of 2026-12-04");
    EXPECT_EQ(rate.Description(), u"rates of 2026-12-04");
  });
  qunsetenv("TALLYFOX_TEST_RATES_URL");
}

}  // namespace
}  // namespace tallyfox
