#include "converter/exchange_rates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "common/text.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;

class RecordingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages.push_back(ToUtf8(message)); }
  std::vector<std::string> messages;
};

// Fails one kind of operation on one path only.
class FailingOnPath : public FileFaults {
 public:
  FailingOnPath(FileOperation operation, std::filesystem::path path)
      : operation_(operation), path_(std::move(path)) {}
  bool ShouldFail(FileOperation operation, const std::filesystem::path& path) override {
    return operation == operation_ && path == path_;
  }

 private:
  FileOperation operation_;
  std::filesystem::path path_;
};

// Several faults at once.
class FailingAll : public FileFaults {
 public:
  explicit FailingAll(std::vector<FileOperation> operations) : operations_(std::move(operations)) {}
  bool ShouldFail(FileOperation operation, const std::filesystem::path&) override {
    return std::find(operations_.begin(), operations_.end(), operation) != operations_.end();
  }

 private:
  std::vector<FileOperation> operations_;
};

// The bytes of a rate file with the program's header and these lines.
std::string RateFile(const std::vector<std::u16string>& lines) {
  std::u16string text = u"\uFEFF\n";
  for (const std::u16string& line : lines) text += line + u"\n";
  return Utf16Le(text);
}

const std::vector<std::u16string> kSmallFile = {
    u"0  0  1  ", u"0  1  0.9334  ",  u"1  0  1.0713  ",
    u"1  1  1  ", u"0  11  7.8074  ", u"11  0  0.1281  ",
};

class RateFileTest : public ::testing::Test {
 protected:
  std::filesystem::path RatePath() const { return folder_.path() / "exrate.dat"; }
  std::filesystem::path ScratchPath() const { return folder_.path() / "temp.csv"; }
  void WriteRates(const std::vector<std::u16string>& lines) const {
    WriteBytes(RatePath(), RateFile(lines));
  }
  double Lookup(std::int32_t from, std::int32_t to) {
    return ReadExchangeRate(RatePath(), from, to, reporter_);
  }
  bool Store(std::int32_t from, std::int32_t to, std::u16string_view rate) {
    return StoreExchangeRate(RatePath(), ScratchPath(), from, to, rate, reporter_);
  }

  testing::TempFolder folder_;
  RecordingReporter reporter_;
};

TEST(CurrencyListTest, EachCurrencyKeepsItsRateFilePositionInBothLists) {
  const auto startup = CurrencyNames(CurrencyList::Startup);
  const auto refill = CurrencyNames(CurrencyList::Refill);
  ASSERT_EQ(startup.size(), 24u);
  ASSERT_EQ(refill.size(), 22u);
  EXPECT_EQ(startup[0], u"US Dollar(USD)");
  EXPECT_EQ(startup[9], u"France Franc(FRF)");
  EXPECT_EQ(startup[10], u"German Mark(DEM)");
  EXPECT_EQ(startup[23], u"Swiss Franc(CHF)");
  EXPECT_EQ(refill[9], u"Hong Kong Dollar(HKD)");
  EXPECT_EQ(refill[21], u"Swiss Franc(CHF)");
  for (std::int32_t i = 0; i < 24; ++i) {
    EXPECT_EQ(RateFilePosition(CurrencyList::Startup, i), i);
  }
  for (std::int32_t i = 0; i < 22; ++i) {
    SCOPED_TRACE(ToUtf8(refill[i]));
    EXPECT_EQ(startup[RateFilePosition(CurrencyList::Refill, i)], refill[i]);
  }
  EXPECT_EQ(RateFilePosition(CurrencyList::Refill, -1), -1);
  EXPECT_EQ(RateFilePosition(CurrencyList::Startup, -1), -1);
}

TEST(ConvertCurrencyTest, MultipliesTheValueByTheRateToHundredths) {
  const struct {
    std::u16string_view value;
    double rate;
    std::string expected;
  } cases[] = {
      {u"100", 1.0, "100.00"},  {u"100", 0.8, "80.00"}, {u"100", 1.25, "125.00"},
      {u"100", 0.0, "0.00"},    {u"abc", 1.5, "0.00"},  {u"", 1.5, "0.00"},
      {u"12abc", 2.0, "24.00"}, {u"-3", 1.5, "-4.50"},  {u"0.125", 1.0, "0.12"},
      {u"1e3", 0.5, "500.00"},  {u" 7", 1.0, "7.00"},   {u"1,5", 2.0, "2.00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.value) + " at " + std::to_string(c.rate));
    EXPECT_EQ(ToUtf8(ConvertCurrency(c.value, c.rate)), c.expected);
  }
}

TEST_F(RateFileTest, LooksUpTheFirstLineOfThePair) {
  WriteRates({u"0  1  0.9334  ", u"1  0  1.0713  ", u"0  1  0.5  ", u"2  3  x  ",
              u"0\t4   0.79  \r", u"  5  6  1.37e0", u"7  8", u"", u"12  9  1234567.8"});
  const struct {
    std::int32_t from;
    std::int32_t to;
    double expected;
  } cases[] = {
      {0, 1, 0.9334},
      {1, 0, 1.0713},
      {2, 3, 0.0},
      {0, 4, 0.79},
      {5, 6, 1.37},
      {12, 9, 1234567.8},
      // Pairs without a line of their own: no rate, but 1 to itself.
      {7, 8, 0.0},
      {1, 2, 0.0},
      {3, 3, 1.0},
      {-1, 1, 0.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.from << " to " << c.to);
    EXPECT_EQ(Lookup(c.from, c.to), c.expected);
  }
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(RateFileTest, AFileWithoutDataLinesKnowsNoRate) {
  WriteRates({});
  EXPECT_EQ(Lookup(0, 1), 0.0);
  EXPECT_EQ(Lookup(4, 4), 1.0);
  WriteBytes(RatePath(), "");
  EXPECT_EQ(Lookup(0, 1), 0.0);
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(RateFileTest, ReadsLongLinesWhole) {
  // A padded line longer than any line the program writes still names its pair.
  WriteRates({u"0" + std::u16string(40, u' ') + u"1  0.8  ", u"1  0  1.25  "});
  EXPECT_EQ(Lookup(0, 1), 0.8);
  EXPECT_EQ(Lookup(1, 0), 1.25);
}

TEST_F(RateFileTest, AMissingOrUnreadableFileIsReportedAtEachLookup) {
  EXPECT_EQ(Lookup(0, 1), 0.0);
  EXPECT_EQ(Lookup(1, 1), 0.0);
  EXPECT_EQ(reporter_.messages, (std::vector<std::string>{"Failed to open exchange rate file.",
                                                          "Failed to open exchange rate file."}));

  WriteRates(kSmallFile);
  testing::FailingOperation failingReads(FileOperation::Read);
  ScopedFileFaults faults(failingReads);
  reporter_.messages.clear();
  EXPECT_EQ(Lookup(0, 1), 0.0);
  EXPECT_EQ(reporter_.messages, std::vector<std::string>{"Failed to open exchange rate file."});
}

TEST_F(RateFileTest, SetStoresTheRateAsTypedAndItsReverseToFourPlaces) {
  WriteRates(kSmallFile);
  ASSERT_TRUE(Store(0, 1, u"0.8"));
  EXPECT_EQ(ReadBytes(RatePath()),
            RateFile({u"0  0  1  ", u"0  1  0.8  ", u"1  0  1.2500  ", u"1  1  1  ",
                      u"0  11  7.8074  ", u"11  0  0.1281  "}));
  EXPECT_FALSE(std::filesystem::exists(ScratchPath()));
  EXPECT_EQ(Lookup(0, 1), 0.8);
  EXPECT_EQ(Lookup(1, 0), 1.25);

  ASSERT_TRUE(Store(11, 0, u"0.1234567"));
  EXPECT_EQ(Lookup(11, 0), 0.1234567);
  EXPECT_EQ(Lookup(0, 11), 8.1000);
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(RateFileTest, SetKeepsEveryOtherLineAsItWas) {
  // Lines that name no rate, or another pair, come back unchanged; only the
  // pair's own lines take the two-space layout.
  WriteRates(
      {u"", u"0\t1\t0.9\r", u"note", u"00  02  1.4993  ", u"2 0 0.6670 extra", u"3  4  5.5  "});
  ASSERT_TRUE(Store(0, 2, u"1.5"));
  EXPECT_EQ(ReadBytes(RatePath()), RateFile({u"", u"0\t1\t0.9\r", u"note", u"00  02  1.5  ",
                                             u"2  0  0.6667  ", u"3  4  5.5  "}));
}

TEST_F(RateFileTest, SetAddsThePairWhenTheFileLacksIt) {
  WriteRates({u"0  1  0.9334  "});
  EXPECT_EQ(Lookup(5, 3), 0.0);
  ASSERT_TRUE(Store(5, 3, u"4.0864"));
  EXPECT_EQ(ReadBytes(RatePath()),
            RateFile({u"0  1  0.9334  ", u"5  3  4.0864  ", u"3  5  0.2447  "}));
  EXPECT_EQ(Lookup(5, 3), 4.0864);
  EXPECT_EQ(Lookup(3, 5), 0.2447);

  // Only the missing one of the two is added.
  ASSERT_TRUE(Store(1, 0, u"1.1"));
  EXPECT_EQ(ReadBytes(RatePath()),
            RateFile({u"0  1  0.9091  ", u"5  3  4.0864  ", u"3  5  0.2447  ", u"1  0  1.1  "}));
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(RateFileTest, SetRefusesRatesThatWouldNotReadBack) {
  WriteRates(kSmallFile);
  const std::string before = ReadBytes(RatePath());
  const std::u16string_view refused[] = {
      u"",        u"   ",    u"abc",  u"0",     u"-0.8",  u"0.0000", u"0.8 0.9", u"1234567890",
      u"0.00010", u"0.0001", u"1e-4", u"20001", u"1e999", u"1e-320", u"1e-999",  u"0.12345678",
  };
  for (const std::u16string_view rate : refused) {
    SCOPED_TRACE(ToUtf8(rate));
    reporter_.messages.clear();
    EXPECT_FALSE(Store(0, 1, rate));
    EXPECT_EQ(reporter_.messages, std::vector<std::string>{ToUtf8(kUnstorableRateMessage)});
    EXPECT_EQ(ReadBytes(RatePath()), before);
    EXPECT_FALSE(std::filesystem::exists(ScratchPath()));
  }
}

TEST_F(RateFileTest, SetTakesEveryRateThatReadsBack) {
  const struct {
    std::u16string_view typed;
    std::u16string stored;
    std::u16string reverse;
  } cases[] = {
      {u"0.0001001", u"0.0001001", u"9990.0100"},
      {u"20000", u"20000", u"0.0001"},
      {u" 1e3 ", u"1e3", u"0.0010"},
      {u"12abc", u"12abc", u"0.0833"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.typed));
    WriteRates({u"0  1  1  ", u"1  0  1  "});
    EXPECT_TRUE(Store(0, 1, c.typed));
    EXPECT_EQ(ReadBytes(RatePath()),
              RateFile({u"0  1  " + c.stored + u"  ", u"1  0  " + c.reverse + u"  "}));
  }
}

TEST_F(RateFileTest, SetForACurrencyToItselfChangesOnlyItsOwnLine) {
  WriteRates({u"1  1  2  ", u"1  0  1.0713  "});
  ASSERT_TRUE(Store(1, 1, u"1"));
  EXPECT_EQ(ReadBytes(RatePath()), RateFile({u"1  1  1  ", u"1  0  1.0713  "}));
}

TEST_F(RateFileTest, SetReportsEachFailureAndLeavesTheFileAsItWas) {
  const struct {
    const char* name;
    std::vector<FileOperation> failing;
    bool onScratchOnly;
    std::vector<std::string> messages;
  } cases[] = {
      {"rate file unreadable", {FileOperation::Read}, false, {"Failed to open rate file."}},
      {"scratch not created", {FileOperation::Open}, true, {"Failed to create tmp file."}},
      {"scratch not written",
       {FileOperation::Write},
       true,
       {"Failed to update exchange rate file"}},
      {"scratch not flushed",
       {FileOperation::Flush},
       true,
       {"Failed to update exchange rate file"}},
      {"scratch not closed", {FileOperation::Close}, true, {"Failed to update exchange rate file"}},
      {"not replaced", {FileOperation::Replace}, false, {"Failed to update exchange rate file"}},
      {"not replaced nor removed",
       {FileOperation::Replace, FileOperation::Remove},
       false,
       {"Failed to update exchange rate file", "Failed to delete temp file"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteRates(kSmallFile);
    const std::string before = ReadBytes(RatePath());
    reporter_.messages.clear();
    {
      FailingAll everywhere(c.failing);
      FailingOnPath onScratch(c.failing.front(), ScratchPath());
      ScopedFileFaults faults(c.onScratchOnly ? static_cast<FileFaults&>(onScratch) : everywhere);
      EXPECT_FALSE(Store(0, 1, u"0.8"));
    }
    EXPECT_EQ(reporter_.messages, c.messages);
    EXPECT_EQ(ReadBytes(RatePath()), before);
    const bool scratchLeft = c.messages.back() == "Failed to delete temp file";
    EXPECT_EQ(std::filesystem::exists(ScratchPath()), scratchLeft);
    std::filesystem::remove(ScratchPath());
  }
}

TEST_F(RateFileTest, SetWithoutARateFileCreatesNone) {
  EXPECT_FALSE(Store(0, 1, u"0.8"));
  EXPECT_EQ(reporter_.messages, std::vector<std::string>{"Failed to open rate file."});
  EXPECT_FALSE(std::filesystem::exists(RatePath()));
  EXPECT_FALSE(std::filesystem::exists(ScratchPath()));
}

}  // namespace
}  // namespace tallyfox
