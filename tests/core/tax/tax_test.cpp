// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "core/common/text.h"
#include "core/tax/tax_file.h"
#include "core/tax/tax_rates.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using namespace std::string_literals;

double Rate(std::u16string_view code, bool isFood, std::u16string_view customRate = u"9") {
  return std::get<double>(LookupTaxRate(code, isFood, customRate));
}

// Two letters each: the 46 codes of the 51 that have a sales tax.
constexpr std::u16string_view kTaxingStates =
    u"ALAZARCACOCTDCFLGAHIIDILINIAKSKYLAMEMDMAMIMNMSMONENVNJNMNYNCNDOHOKPARISCSDTNTXUTVTVAWAWVWIWY";

TEST(TaxRatesTest, EveryTaxingStateAsksAtMost725PercentAndNoMoreForFood) {
  EXPECT_EQ(Rate(u"CA", false), 0.0725);
  EXPECT_EQ(TaxRateInForce(true, u"TN", true, u"9"), TaxRate(0.055));
  for (std::size_t i = 0; i < kTaxingStates.size(); i += 2) {
    const std::u16string_view code = kTaxingStates.substr(i, 2);
    const double general = Rate(code, false);
    EXPECT_GT(general, 0) << ToUtf8(code);
    EXPECT_LE(general, 0.0725) << ToUtf8(code);
    EXPECT_LE(Rate(code, true), general) << ToUtf8(code) << " food";
  }
}

TEST(TaxRatesTest, StatesWithoutSalesTaxAndUnknownCodesTaxNothing) {
  for (const std::u16string_view code :
       {u"AK", u"DE", u"MT", u"NH", u"OR", u"ca", u" CA", u"S. ", u".."}) {
    EXPECT_EQ(Rate(code, false), 0) << ToUtf8(code);
  }
}

TEST(TaxRatesTest, TheTypedRateCountsAsTypedFoodOrNot) {
  EXPECT_EQ(Rate(u"S.", true, u"-8.25"), -8.25 * 0.01) << "food";
  EXPECT_EQ(Rate(u"S.", false, u"-8.25"), -8.25 * 0.01) << "not food";
}

TEST(TaxRatesTest, NoStateChosenCountsOnlyWithTax) {
  EXPECT_EQ(TaxRateInForce(true, u"...", true, u"9"), TaxRate(NoStateChosen{}));
  EXPECT_EQ(TaxRateInForce(false, u"...", false, u"9"), TaxRate(0.0)) << "without tax";
}

std::u16string Shown(const TaxSetting& s) { return s.stateCode + u"|" + s.customRateText; }
std::u16string Decoded(const std::string& b) { return Shown(DecodeTaxRecord(testing::AsBytes(b))); }

const std::string kRate7 = "S...7\0\0\0\0\0\0\0"s;
const std::string kRate8375 = "S...8\0.\0003\0007\0005\0"s;

TEST(TaxRecordTest, ARecordHoldsTheCodeOrTheTypedRateInUtf16) {
  EXPECT_EQ(EncodeTaxRecord({u"CA", u"8.25"}), testing::AsBytes("C\0A\0\0\0\0\0\0\0\0\0"s));
  EXPECT_EQ(EncodeTaxRecord({u"S.", u"8.25"}), testing::AsBytes("S...8\0.\0002\0005\0"s));
  EXPECT_EQ(EncodeTaxRecord({u"S.", u"8.375"}), testing::AsBytes(kRate8375));
}

TEST(TaxRecordTest, ARecordIsReadFromTheLowBytesAndMayBeCutShort) {
  EXPECT_EQ(Decoded("N\377Y\0019 . 5\0\0\0"s), u"NY|9.5");  // low bytes only
  EXPECT_EQ(Decoded(kRate7 + "9\0"s), u"S.|7");
  EXPECT_EQ(Decoded(kRate8375.substr(0, 10)), u"S.|0");  // a rate field cut short
  EXPECT_EQ(Decoded(kRate8375.substr(0, 11)), u"S.|8.37");
  EXPECT_EQ(Decoded(kRate7.substr(0, 7)), u"S.|7");
}

class TaxFileTest : public ::testing::Test {
 protected:
  testing::TempFolder folder_;
  testing::RecordingReporter reporter_;
  TaxSetting setting_{u"CA", u""};
};

TEST_F(TaxFileTest, NoFileIsNoFaultButAnUnreadableOneIsReported) {
  EXPECT_FALSE(ReadTaxFile(folder_.path(), setting_, reporter_));  // none yet: no state, no fault
  EXPECT_EQ(reporter_.messages, std::vector<std::u16string>{});
  std::filesystem::create_directory(folder_.path() / "tax.ini");
  EXPECT_FALSE(ReadTaxFile(folder_.path(), setting_, reporter_));
  EXPECT_EQ(reporter_.messages, std::vector<std::u16string>{u"Read tax file failed!"});
  EXPECT_EQ(Shown(setting_), u"CA|");
}

TEST_F(TaxFileTest, TheWriterCreatesTheFileAndKeepsFiveCharactersOfTheRate) {
  std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder_.path());
  ASSERT_TRUE(writer && writer->Write({u"S.", u"12.3456"}));
  ASSERT_TRUE(ReadTaxFile(folder_.path(), setting_, reporter_));
  EXPECT_EQ(Shown(setting_), u"S.|12.34");
}

}  // namespace
}  // namespace tallyfox
