// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>

#include "core/tax/tax_file.h"
#include "core/tax/tax_rates.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using namespace std::string_literals;

double Rate(std::u16string_view code, bool isFood, std::u16string_view customRate = u"9") {
  return std::get<double>(LookupTaxRate(code, isFood, customRate));
}

TEST(TaxRatesTest, StatesCodesAndTheTypedRate) {
  EXPECT_EQ(Rate(u"CA", false), 0.0725);
  EXPECT_EQ(TaxRateInForce(true, u"TN", true, u"9"), TaxRate(0.055));
  // No state taxes food above other goods or anything above 7.25 %; the last five tax nothing.
  const std::u16string_view codes =
      u"ALAZARCACOCTDCFLGAHIIDILINIAKSKYLAMEMDMAMIMNMS"
      u"MONENVNJNMNYNCNDOHOKPARISCSDTNTXUTVTVAWAWVWIWYAKDEMTNHOR";
  for (std::size_t i = 0; i < codes.size(); i += 2) {
    const double general = Rate(codes.substr(i, 2), false);
    EXPECT_LE(Rate(codes.substr(i, 2), true), general) << i / 2;
    EXPECT_EQ(general > 0 && general <= 0.0725, i < 92) << i / 2;
  }
  EXPECT_EQ(Rate(u"ca", false) + Rate(u" CA", false) + Rate(u"S. ", false) + Rate(u"..", false), 0);
  EXPECT_EQ(Rate(u"S.", true, u"-8.25"), -8.25 * 0.01);  // as typed, food or not
  EXPECT_EQ(TaxRateInForce(true, u"...", true, u"9"), TaxRate(NoStateChosen{}));
  EXPECT_EQ(TaxRateInForce(false, u"...", false, u"9"), TaxRate(0.0));
}

std::u16string Shown(const TaxSetting& s) { return s.stateCode + u"|" + s.customRateText; }
std::u16string Decoded(const std::string& b) { return Shown(DecodeTaxRecord(testing::AsBytes(b))); }

const std::string kRate7 = "S...7\0\0\0\0\0\0\0"s;
const std::string kRate8375 = "S...8\0.\0003\0007\0005\0"s;

TEST(TaxFileTest, RecordsAndTheFile) {
  EXPECT_EQ(EncodeTaxRecord({u"CA", u"8.25"}), testing::AsBytes("C\0A\0\0\0\0\0\0\0\0\0"s));
  EXPECT_EQ(EncodeTaxRecord({u"S.", u"8.25"}), testing::AsBytes("S...8\0.\0002\0005\0"s));
  EXPECT_EQ(EncodeTaxRecord({u"S.", u"8.375"}), testing::AsBytes(kRate8375));
  EXPECT_EQ(Decoded("N\377Y\0019 . 5\0\0\0"s), u"NY|9.5");  // low bytes only
  EXPECT_EQ(Decoded(kRate7 + "9\0"s), u"S.|7");
  EXPECT_EQ(Decoded(kRate8375.substr(0, 10)), u"S.|0");  // a rate field cut short
  EXPECT_EQ(Decoded(kRate8375.substr(0, 11)), u"S.|8.37");
  EXPECT_EQ(Decoded(kRate7.substr(0, 7)), u"S.|7");

  testing::TempFolder folder;
  testing::RecordingReporter reporter;
  TaxSetting setting{u"CA", u""};
  EXPECT_FALSE(ReadTaxFile(folder.path(), setting, reporter));  // none yet: no state, no fault
  EXPECT_EQ(reporter.messages, std::vector<std::u16string>{});
  std::filesystem::create_directory(folder.path() / "tax.ini");
  EXPECT_FALSE(ReadTaxFile(folder.path(), setting, reporter));
  EXPECT_EQ(reporter.messages, std::vector<std::u16string>{u"Read tax file failed!"});
  EXPECT_EQ(Shown(setting), u"CA|");
  std::filesystem::remove(folder.path() / "tax.ini");
  for (const std::u16string rate : {u"12.3456", u"8.375", u"7"}) {  // Open() creates the file
    std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder.path());
    ASSERT_TRUE(writer && writer->Write({u"S.", rate}));
    ASSERT_TRUE(ReadTaxFile(folder.path(), setting, reporter));
    EXPECT_EQ(Shown(setting), u"S.|" + rate.substr(0, 5));
  }
  using enum FileOperation;
  for (const FileOperation operation : {Open, Write, Flush, Close, Replace}) {
    std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder.path());
    testing::FailingOperation fault(operation);
    ScopedFileFaults installed(fault);
    EXPECT_FALSE(writer->Write({u"CA", u"0"}));
    EXPECT_EQ(testing::ReadBytes(folder.path() / "tax.ini"), kRate7);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
  }
}

}  // namespace
}  // namespace tallyfox
