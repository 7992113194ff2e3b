// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/converter/exchange_rates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "support/test_files.h"

namespace tallyfox {
namespace {

using Messages = std::vector<std::u16string>;

std::string RateFile(std::u16string_view lines) {
  return testing::Utf16Le(u"\uFEFF\n" + std::u16string(lines));
}

class RateFileTest : public ::testing::Test {
 protected:
  double Lookup(int from, int to) { return ReadExchangeRate(rates_, from, to, reporter_); }
  bool Store(int from, int to, std::u16string_view rate) {
    return StoreExchangeRate(rates_, from, to, rate, reporter_);
  }
  Messages Reports() { return std::exchange(reporter_.messages, {}); }

  testing::TempFolder folder_;
  std::filesystem::path rates_ = folder_.path() / "exrate.dat";
  testing::RecordingReporter reporter_;
};

TEST_F(RateFileTest, LookupTakesTheFirstLineOfThePairAndSetRefusesWhatWouldNotReadBack) {
  EXPECT_EQ(Lookup(0, 1), 0.0);
  EXPECT_EQ(Reports(), Messages{u"Failed to open exchange rate file."});
  EXPECT_FALSE(Store(0, 1, u"0.8"));
  EXPECT_EQ(Reports(), Messages{u"Failed to open rate file."});
  const std::string before = RateFile(u"0  1  0.9334  \n1  0  1.0713\n0\t1 0.5\n");
  testing::WriteBytes(rates_, before);
  EXPECT_EQ(Lookup(0, 1), 0.9334);
  EXPECT_EQ(Lookup(0, 2), 0.0);  // a pair without a line has no rate
  EXPECT_EQ(Lookup(3, 3), 1.0);  // but a currency to itself has
  for (const auto rate : {u"", u"0", u"0.8 0.9", u"1.23456789", u"0.0001", u"20001", u"1e999"}) {
    EXPECT_FALSE(Store(0, 1, rate));
    EXPECT_EQ(Reports(), Messages{std::u16string(kUnstorableRateMessage)});
  }
  testing::FailingOperation failing(FileOperation::Replace);
  ScopedFileFaults faults(failing);
  EXPECT_FALSE(Store(0, 1, u"0.8"));
  EXPECT_EQ(Reports(), Messages{u"Failed to update exchange rate file"});
  EXPECT_EQ(testing::ReadBytes(rates_), before);
}

TEST_F(RateFileTest, SetStoresTheRateAsTypedAndItsReverseKeepingEveryOtherLine) {
  testing::WriteBytes(rates_, RateFile(u"0  1  0.9\n\nnote\n3 5 5.5 x\n00  02  7\n"));
  ASSERT_TRUE(Store(2, 0, u" 1.5 "));
  ASSERT_TRUE(Store(4, 3, u"0.0001001"));  // both lines of the pair are added
  ASSERT_TRUE(Store(1, 1, u"1"));          // a currency to itself has only its own line
  EXPECT_EQ(testing::ReadBytes(rates_),
            RateFile(u"0  1  0.9\n\nnote\n3 5 5.5 x\n00  02  0.6667  \n2  0  1.5  \n"
                     u"4  3  0.0001001  \n3  4  9990.0100  \n1  1  1  \n"));
}

TEST(ShippedRatesTest, HoldEveryOrderedPairOnceWithReversesAgreeingToFourPlaces) {
  const auto file = std::filesystem::path(TALLYFOX_SOURCE_DIR) / "src/res/exrate.dat";
  EXPECT_EQ(std::ranges::count(testing::ReadBytes(file), '\n'), 1 + 24 * 24);
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
