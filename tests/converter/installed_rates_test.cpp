#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "../common/test_files.h"
#include "common/numbers.h"
#include "common/text.h"
#include "converter/exchange_rates.h"

namespace tallyfox {
namespace {

// The rate file that installing puts beside the program.
std::filesystem::path InstalledRateFile() {
  return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "src" / "res" /
         "exrate.dat";
}

class NoReports : public Reporter {
 public:
  void Report(std::u16string_view message) override { ADD_FAILURE() << ToUtf8(message); }
};

using Pair = std::pair<int, int>;

// The lines after the header, as the file's text; checks the header and the
// line ends on the way.
std::vector<std::u16string> DataLines(const std::string& bytes) {
  EXPECT_EQ(bytes.substr(0, 4), std::string("\xFF\xFE\x0A\x00", 4));
  EXPECT_EQ(bytes.size() % 2, 0u);
  std::u16string text;
  for (std::size_t i = 4; i + 1 < bytes.size(); i += 2) {
    text += static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                  static_cast<unsigned char>(bytes[i + 1]) << 8);
  }
  EXPECT_EQ(text.find(u'\r'), std::u16string::npos);
  EXPECT_EQ(text.back(), u'\n');
  std::vector<std::u16string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find(u'\n', start);
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Every rate text by its pair; checks the layout the program writes.
std::map<Pair, std::u16string> RatesByPair() {
  std::map<Pair, std::u16string> rates;
  for (const std::u16string& line : DataLines(testing::ReadBytes(InstalledRateFile()))) {
    SCOPED_TRACE(ToUtf8(line));
    const std::vector<std::u16string_view> fields = SplitWords(line);
    EXPECT_EQ(fields.size(), 3u);
    if (fields.size() != 3) continue;
    const Pair pair{ReadInteger(fields[0]), ReadInteger(fields[1])};
    EXPECT_EQ(line, FormatInteger(pair.first) + u"  " + FormatInteger(pair.second) + u"  " +
                        std::u16string(fields[2]) + u"  ");
    EXPECT_TRUE(rates.emplace(pair, fields[2]).second) << "pair listed twice";
  }
  return rates;
}

TEST(InstalledRatesTest, HoldEveryOrderedPairOfTheStartupListOnce) {
  const std::map<Pair, std::u16string> rates = RatesByPair();
  EXPECT_EQ(rates.size(), 576u);
  for (int from = 0; from < 24; ++from) {
    for (int to = 0; to < 24; ++to) EXPECT_TRUE(rates.contains({from, to})) << from << " " << to;
  }
}

TEST(InstalledRatesTest, EveryRateFitsItsFieldAndAgreesWithItsReverse) {
  const std::map<Pair, std::u16string> rates = RatesByPair();
  for (const auto& [pair, text] : rates) {
    SCOPED_TRACE(::testing::Message() << pair.first << " to " << pair.second);
    EXPECT_LE(text.size(), 9u);
    const double rate = ReadNumber(text);
    EXPECT_GT(rate, 0);
    if (pair.first == pair.second) {
      EXPECT_EQ(ToUtf8(text), "1");
      continue;
    }
    const auto reverse = rates.find({pair.second, pair.first});
    ASSERT_NE(reverse, rates.end());
    EXPECT_NEAR(rate * ReadNumber(reverse->second), 1.0, 2e-4);
  }
}

TEST(InstalledRatesTest, KeepTheFixedEuroRatesOfTheFrancAndTheMark) {
  NoReports reporter;
  const std::filesystem::path file = InstalledRateFile();
  EXPECT_EQ(ReadExchangeRate(file, 1, 9, reporter), 6.55957);
  EXPECT_EQ(ReadExchangeRate(file, 1, 10, reporter), 1.95583);
  EXPECT_NEAR(ReadExchangeRate(file, 10, 9, reporter), 6.55957 / 1.95583, 1e-6);
  // The Hong Kong dollar's peg keeps it near 7.8 per US dollar.
  EXPECT_NEAR(ReadExchangeRate(file, 0, 11, reporter), 7.8, 0.05);
}

}  // namespace
}  // namespace tallyfox
