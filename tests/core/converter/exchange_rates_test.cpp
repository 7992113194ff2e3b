// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The rate file as Set, the lookup and an update of the euro's rates see it.

#include "core/converter/exchange_rates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "core/common/text.h"
#include "core/converter/rate_update.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using Messages = std::vector<std::u16string>;
using testing::ReadBytes;
using testing::Utf16Le;

// Positions in the rate file.
constexpr int kUsd = 0, kEur = 1, kFrf = 9, kJpy = 14, kRub = 19;

const EuroRates kDaily{u"2026-12-04", {{u"USD", u"1.0500"}, {u"JPY", u"160.00"}}};

class RateFileTest : public ::testing::Test {
 protected:
  void WriteRates(std::u16string_view text) { testing::WriteBytes(rates_, Utf16Le(text)); }
  double Lookup(int from, int to) { return ReadExchangeRate(rates_, from, to, reporter_); }
  bool Store(int from, int to, std::u16string_view rate) {
    return StoreExchangeRate(rates_, from, to, rate, reporter_);
  }
  std::optional<int> Update(const EuroRates& rates) {
    return UpdateRateFile(rates_, rates, reporter_);
  }
  Messages Reports() { return std::exchange(reporter_.messages, {}); }

  testing::TempFolder folder_;
  std::filesystem::path rates_ = folder_.path() / "exrate.dat";
  testing::RecordingReporter reporter_;
};

TEST_F(RateFileTest, AMissingFileGivesNoRateAndTakesNone) {
  EXPECT_EQ(Lookup(kUsd, kEur), 0.0);
  EXPECT_EQ(Reports(), Messages{u"Failed to open exchange rate file."});
  EXPECT_FALSE(Store(kUsd, kEur, u"0.8"));
  EXPECT_EQ(Reports(), Messages{u"Failed to open rate file."});
}

TEST_F(RateFileTest, LookupTakesTheFirstLineOfThePair) {
  WriteRates(u"\uFEFF\n0  1  0.9334  \n1  0  1.0713\n0\t1 0.5\n");
  EXPECT_EQ(Lookup(0, 1), 0.9334);
  EXPECT_EQ(Lookup(0, 2), 0.0) << "a pair without a line";
  EXPECT_EQ(Lookup(3, 3), 1.0) << "a currency to itself";
}

TEST_F(RateFileTest, SetRefusesWhatWouldNotReadBack) {
  WriteRates(u"\uFEFF\n0  1  0.9  \n");
  for (const auto rate : {u"", u"0", u"0.8 0.9", u"1.23456789", u"0.0001", u"20001", u"1e999"}) {
    SCOPED_TRACE(ToUtf8(rate));
    EXPECT_FALSE(Store(0, 1, rate));
    EXPECT_EQ(Reports(), Messages{std::u16string(kUnstorableRateMessage)});
    EXPECT_EQ(ReadBytes(rates_), Utf16Le(u"\uFEFF\n0  1  0.9  \n"));
  }
}

TEST_F(RateFileTest, SetStoresTheRateAsTypedAndItsReverseKeepingEveryOtherLine) {
  WriteRates(u"\uFEFF2026-12-04\n0  1  0.9\n\nnote\n3 5 5.5 x\n00  02  7\n");
  ASSERT_TRUE(Store(2, 0, u" 1.5 "));
  ASSERT_TRUE(Store(4, 3, u"0.0001001"));  // both lines of the pair are added
  ASSERT_TRUE(Store(1, 1, u"1"));          // a currency to itself has only its own line
  EXPECT_EQ(
      ReadBytes(rates_),
      Utf16Le(u"\uFEFF2026-12-04\n0  1  0.9\n\nnote\n3 5 5.5 x\n00  02  0.6667  \n2  0  1.5  \n"
              u"4  3  0.0001001  \n3  4  9990.0100  \n1  1  1  \n"));
}

TEST_F(RateFileTest, EmptyFileOrMarkAloneHoldsNoRateButTakesOne) {
  for (const std::u16string_view start : {u"", u"\uFEFF"}) {
    WriteRates(start);
    EXPECT_EQ(Lookup(kEur, kEur), 1.0);
    EXPECT_EQ(Lookup(kUsd, kEur), 0.0);
    EXPECT_EQ(Reports(), Messages{});
    EXPECT_EQ(ReadRatesDate(rates_), std::nullopt);
    ASSERT_TRUE(Store(kUsd, kEur, u"0.8"));
    EXPECT_EQ(ReadBytes(rates_), Utf16Le(u"\uFEFF\n0  1  0.8  \n1  0  1.2500  \n"));
  }
}

TEST_F(RateFileTest, UpdateGivesCrossRatesThroughTheEuroAndKeepsEveryOtherLineInPlace) {
  WriteRates(
      u"\uFEFF\n0  19  85.75  \nnote\n0  1  0.9\n1  0  1.1\n14  0  0.006\n19  0  0.0117  \n");
  // USD, EUR, FRF, DEM and JPY have euro rates: 25 pairs, 22 of them new.
  EXPECT_EQ(Update(kDaily), 25);
  EXPECT_EQ(Reports(), Messages{});
  const std::string bytes = ReadBytes(rates_);
  EXPECT_TRUE(bytes.starts_with(
      Utf16Le(u"\uFEFF2026-12-04\n0  19  85.75  \nnote\n0  1  0.952381  \n1  0  1.05  \n"
              u"14  0  0.0065625  \n19  0  0.0117  \n")));
  EXPECT_EQ(std::ranges::count(bytes, '\n'), 7 + 22);
  EXPECT_EQ(Lookup(kFrf, kEur), 0.152449);
  EXPECT_EQ(Lookup(kJpy, kJpy), 1.0);
  EXPECT_EQ(Lookup(kRub, kJpy), 0.0) << "the rouble is not quoted: no line is added";
  EXPECT_EQ(ReadRatesDate(rates_), u"2026-12-04");
}

TEST_F(RateFileTest, UpdateOfTheSameDayAgainChangesNoPair) {
  WriteRates(u"");
  EXPECT_EQ(Update(kDaily), 25);
  EXPECT_EQ(Update(kDaily), 0);
  EXPECT_EQ(Lookup(kEur, kUsd), 1.05);
}

struct FailureRow {
  const char* name;
  EuroRates rates;
  std::u16string message;
};

TEST_F(RateFileTest, EachFailureSaysWhyAndLeavesTheFileByteForByte) {
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
    EXPECT_EQ(ReadBytes(rates_), Utf16Le(before));
  }
}

// Set's failures are swept with every other change in the hardening tests.
TEST_F(RateFileTest, AFailedReplaceFailsTheUpdateLeavingTheFileByteForByte) {
  const std::u16string before = u"\uFEFF2026-12-01\n0  1  0.9  \n";
  WriteRates(before);
  testing::FailingOperation failing(FileOperation::Replace);
  ScopedFileFaults faults(failing);
  EXPECT_EQ(Update(kDaily), std::nullopt);
  EXPECT_EQ(Reports(), Messages{u"Failed to update exchange rate file"});
  EXPECT_EQ(ReadBytes(rates_), Utf16Le(before));
}

TEST(RatesUpdatedTextTest, SaysTheDateAndHowManyPairsChanged) {
  EXPECT_EQ(RatesUpdatedText(u"2026-12-04", 1), u"Exchange rates of 2026-12-04: 1 pair changed.");
  EXPECT_EQ(RatesUpdatedText(u"2026-12-04", 0), u"Exchange rates of 2026-12-04: 0 pairs changed.");
}

TEST(ShippedRatesTest, HoldEveryOrderedPairOnceWithReversesAgreeingToFourPlaces) {
  const std::filesystem::path file = TALLYFOX_SHIPPED_RATE_FILE;
  const std::string bytes = ReadBytes(file);
  EXPECT_EQ(std::ranges::count(bytes, '\n'), 1 + 24 * 24);
  EXPECT_TRUE(bytes.starts_with(Utf16Le(u"\uFEFF2024-06-28\n")));
  testing::RecordingReporter reporter;
  for (int from = 0; from < 24; ++from) {
    for (int to = 0; to < from; ++to) {
      const double rate = ReadExchangeRate(file, from, to, reporter);
      const double reverse = ReadExchangeRate(file, to, from, reporter);
      EXPECT_LE(std::min(std::abs(reverse - 1 / rate), std::abs(rate - 1 / reverse)), 0.00005)
          << from << " to " << to;
    }
  }
}

}  // namespace
}  // namespace tallyfox
