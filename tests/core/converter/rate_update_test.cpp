// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/rate_update.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/converter/exchange_rates.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using Messages = std::vector<std::u16string>;

// Positions in the rate file.
constexpr int kUsd = 0, kEur = 1, kFrf = 9, kJpy = 14, kRub = 19;

const EuroRates kDaily{u"2026-12-04", {{u"USD", u"1.0500"}, {u"JPY", u"160.00"}}};

class RateUpdateTest : public ::testing::Test {
 protected:
  void WriteRates(std::u16string_view text) { testing::WriteBytes(rates_, testing::Utf16Le(text)); }
  std::optional<int> Update(const EuroRates& rates) {
    return UpdateRateFile(rates_, rates, reporter_);
  }
  double Lookup(int from, int to) { return ReadExchangeRate(rates_, from, to, reporter_); }
  Messages Reports() { return std::exchange(reporter_.messages, {}); }

  testing::TempFolder folder_;
  std::filesystem::path rates_ = folder_.path() / "exrate.dat";
  testing::RecordingReporter reporter_;
};

TEST_F(RateUpdateTest, GivesCrossRatesThroughTheEuroAndKeepsEveryOtherLineInPlace) {
  WriteRates(
      u"\uFEFF\n0  19  85.75  \nnote\n0  1  0.9\n1  0  1.1\n14  0  0.006\n19  0  0.0117  \n");
  // USD, EUR, FRF, DEM and JPY have euro rates: 25 pairs, 22 of them new.
  EXPECT_EQ(Update(kDaily), 25);
  EXPECT_EQ(Reports(), Messages{});
  const std::string bytes = testing::ReadBytes(rates_);
  EXPECT_TRUE(bytes.starts_with(
      testing::Utf16Le(u"\uFEFF2026-12-04\n0  19  85.75  \nnote\n0  1  0.952381  \n1  0  1.05  \n"
                       u"14  0  0.0065625  \n19  0  0.0117  \n")));
  EXPECT_EQ(std::ranges::count(bytes, '\n'), 7 + 22);
  EXPECT_EQ(Lookup(kFrf, kEur), 0.152449);
  EXPECT_EQ(Lookup(kJpy, kJpy), 1.0);
  EXPECT_EQ(Lookup(kRub, kJpy), 0.0);  // the rouble is not quoted: no line is added
  EXPECT_EQ(ReadRatesDate(rates_), u"2026-12-04");
  EXPECT_EQ(Update(kDaily), 0);  // the same day again changes no pair
}

TEST_F(RateUpdateTest, EmptyFileOrMarkAloneIsARateFileThatSetAndAnUpdateCanWrite) {
  for (const std::u16string_view start : {u"", u"\uFEFF"}) {
    WriteRates(start);
    EXPECT_EQ(Lookup(kEur, kEur), 1.0);
    EXPECT_EQ(Lookup(kUsd, kEur), 0.0);
    EXPECT_EQ(Reports(), Messages{});
    EXPECT_EQ(ReadRatesDate(rates_), std::nullopt);
    ASSERT_TRUE(StoreExchangeRate(rates_, kUsd, kEur, u"0.8", reporter_));
    EXPECT_EQ(testing::ReadBytes(rates_),
              testing::Utf16Le(u"\uFEFF\n0  1  0.8  \n1  0  1.2500  \n"));
  }
  WriteRates(u"");
  EXPECT_EQ(Update(kDaily), 25);
  EXPECT_EQ(Lookup(kEur, kUsd), 1.05);
}

TEST_F(RateUpdateTest, SetKeepsTheDateLine) {
  WriteRates(u"\uFEFF2026-12-04\n0  1  0.9  \n");
  ASSERT_TRUE(StoreExchangeRate(rates_, kUsd, kEur, u"0.8", reporter_));
  EXPECT_EQ(testing::ReadBytes(rates_),
            testing::Utf16Le(u"\uFEFF2026-12-04\n0  1  0.8  \n1  0  1.2500  \n"));
}

struct FailureRow {
  const char* name;
  EuroRates rates;
  std::u16string message;
};

TEST_F(RateUpdateTest, EachFailureSaysWhyAndLeavesTheFileByteForByte) {
  const FailureRow rows[] = {
      {"rate not a number",
       {u"2026-12-04", {{u"USD", u"1.05x"}}},
       u"The rate of USD, \"1.05x\", is not a positive number."},
      {"rate negative",
       {u"2026-12-04", {{u"GBP", u"-0.8"}}},
       u"The rate of GBP, \"-0.8\", is not a positive number."},
      {"rate zero",
       {u"2026-12-04", {{u"USD", u"0.000"}}},
       u"The rate of USD, \"0.000\", is not a positive number."},
      {"older than the file's",
       {u"2026-12-03", kDaily.rates},
       u"These rates of 2026-12-03 are older than those in the file, of 2026-12-04."},
      {"no date",
       {u"4 Dec 2026", kDaily.rates},
       u"The rates carry no date of the form 2026-12-04."},
      {"a rate too small for the field",
       {u"2026-12-05", {{u"USD", u"0.00000001"}}},
       u"The rate of EUR to USD does not fit in 9 characters."},
  };
  const std::u16string before = u"\uFEFF2026-12-04\n0  1  0.9  \n19  0  0.0117  \n";
  for (const FailureRow& row : rows) {
    SCOPED_TRACE(row.name);
    WriteRates(before);
    EXPECT_EQ(Update(row.rates), std::nullopt);
    EXPECT_EQ(Reports(), Messages{row.message});
    EXPECT_EQ(testing::ReadBytes(rates_), testing::Utf16Le(before));
  }
  testing::FailingOperation failing(FileOperation::Replace);
  ScopedFileFaults faults(failing);
  EXPECT_EQ(Update(kDaily), std::nullopt);
  EXPECT_EQ(Reports(), Messages{u"Failed to update exchange rate file"});
  EXPECT_EQ(testing::ReadBytes(rates_), testing::Utf16Le(before));
}

TEST(RatesUpdatedTextTest, SaysTheDateAndHowManyPairsChanged) {
  EXPECT_EQ(RatesUpdatedText(u"2026-12-04", 1), u"Exchange rates of 2026-12-04: 1 pair changed.");
  EXPECT_EQ(RatesUpdatedText(u"2026-12-04", 0), u"Exchange rates of 2026-12-04: 0 pairs changed.");
}

}  // namespace
}  // namespace tallyfox
