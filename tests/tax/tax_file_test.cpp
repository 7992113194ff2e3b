#include "tax/tax_file.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "common/text.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

using testing::AsBytes;
using testing::FailingOperation;
using testing::ReadBytes;
using testing::WriteBytes;

std::string AsString(const std::vector<std::byte>& bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

void ExpectSetting(const TaxSetting& actual, std::u16string_view stateCode,
                   std::u16string_view customRateText) {
  EXPECT_EQ(actual.stateCode, stateCode);
  EXPECT_EQ(actual.customRateText, customRateText);
}

class RecordingReporter : public Reporter {
 public:
  void Report(std::u16string_view message) override { messages.emplace_back(message); }
  std::vector<std::u16string> messages;
};

using namespace std::string_literals;

const std::string kCaliforniaRecord = "C\0A\0\0\0\0\0\0\0\0\0"s;
const std::string kRate825Record = "S...8\0.\0002\0005\0"s;
const std::string kRate7Record = "S...7\0\0\0\0\0\0\0"s;
const std::string kRate8375Record = "S...8\0.\0003\0007\0005\0"s;

TEST(TaxRecordTest, EncodesAndDecodesEveryKindOfSetting) {
  const struct {
    const char* name;
    TaxSetting setting;
    std::string record;
    std::u16string_view rateReadBack;
  } cases[] = {
      {"state", {u"CA", u"8.25"}, kCaliforniaRecord, u""},
      {"custom rate", {u"S.", u"8.25"}, kRate825Record, u"8.25"},
      {"short custom rate", {u"S.", u"7"}, kRate7Record, u"7"},
      {"five-character rate", {u"S.", u"8.375"}, kRate8375Record, u"8.375"},
      {"rate cut to five", {u"S.", u"12.3456"}, "S...1\0002\0.\0003\0004\0"s, u"12.34"},
      {"rate of four", {u"S.", u"10.2"}, "S...1\0000\0.\0002\0"s, u"10.2"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(AsString(EncodeTaxRecord(c.setting)), c.record);
    ExpectSetting(DecodeTaxRecord(AsBytes(c.record)), c.setting.stateCode, c.rateReadBack);
  }
}

TEST(TaxRecordTest, ReadsOnlyTheLowByteOfEachCharacter) {
  ExpectSetting(DecodeTaxRecord(AsBytes("N\xFFY\x01"
                                        "9\x20.\x20"
                                        "5\0\0\0"s)),
                u"NY", u"9.5");
  ExpectSetting(DecodeTaxRecord(AsBytes("S...\xE9\0\0\0\0\0\0\0"s)), u"S.", u"\u00E9");
}

TEST(TaxRecordTest, TakesAFifthRateCharacterOnlyAfterFourOthers) {
  // A longer file holds the fifth character of a full rate field, and is
  // ignored after a rate that ended earlier.
  ExpectSetting(DecodeTaxRecord(AsBytes(kRate8375Record + "garbage"s)), u"S.", u"8.375");
  ExpectSetting(DecodeTaxRecord(AsBytes(kRate7Record + "9\0"s)), u"S.", u"7");
  ExpectSetting(DecodeTaxRecord(AsBytes(kRate825Record + "\0\0"s)), u"S.", u"8.25");
}

// A field the record does not hold whole keeps its initial value.
TEST(TaxRecordTest, ShortRecordsKeepTheFieldsTheyDoNotHold) {
  const struct {
    const std::string& record;
    std::size_t length;
    std::u16string_view stateCode;
    std::u16string_view customRateText;
  } cases[] = {
      {kRate825Record, 0, u"...", u"0"},
      {kRate825Record, 1, u"...", u"0"},
      {kRate825Record, 2, u"...", u"0"},
      {kRate825Record, 3, u"S.", u"0"},
      {kRate825Record, 4, u"S.", u"0"},
      {kRate825Record, 5, u"S.", u"0"},
      {kRate825Record, 8, u"S.", u"0"},
      {kRate825Record, 10, u"S.", u"0"},
      {kRate825Record, 11, u"S.", u"8.25"},
      {kRate7Record, 6, u"S.", u"0"},
      {kRate7Record, 7, u"S.", u"7"},
      {kCaliforniaRecord, 4, u"CA", u"0"},
      {kCaliforniaRecord, 5, u"CA", u""},
      {"A\0\0"s, 2, u"...", u"0"},
      {"A\0\0"s, 3, u"A", u"0"},
      {kRate8375Record, 13, u"S.", u"8.375"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << ::testing::PrintToString(c.record) << " cut to " << c.length);
    ExpectSetting(DecodeTaxRecord(AsBytes(c.record.substr(0, c.length))), c.stateCode,
                  c.customRateText);
  }
}

class TaxFileTest : public ::testing::Test {
 protected:
  bool Save(const TaxSetting& setting) {
    std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder_.path());
    return writer && writer->Write(setting);
  }
  TaxSetting Load() {
    TaxSetting setting;
    EXPECT_TRUE(ReadTaxFile(folder_.path(), setting, reporter_));
    EXPECT_TRUE(reporter_.messages.empty());
    return setting;
  }

  testing::TempFolder folder_;
  RecordingReporter reporter_;
};

TEST_F(TaxFileTest, SettingsSurviveARestart) {
  const struct {
    TaxSetting saved;
    std::size_t fileSize;
    std::u16string_view rateReadBack;
  } cases[] = {
      {{u"CA", u"0"}, 12, u""},          {{u"S.", u"8.25"}, 12, u"8.25"},
      {{u"S.", u"7"}, 12, u"7"},         {{u"S.", u"8.375"}, 14, u"8.375"},
      {{u"S.", u"10.25"}, 14, u"10.25"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(ToUtf8(c.saved.customRateText));
    ASSERT_TRUE(Save(c.saved));
    EXPECT_EQ(ReadBytes(folder_.path() / "tax.ini").size(), c.fileSize);
    ExpectSetting(Load(), c.saved.stateCode, c.rateReadBack);
  }
}

TEST_F(TaxFileTest, AShorterRecordLeavesNothingOfTheLongerOneBehind) {
  ASSERT_TRUE(Save({u"S.", u"8.375"}));
  ASSERT_TRUE(Save({u"S.", u"7"}));
  EXPECT_EQ(ReadBytes(folder_.path() / "tax.ini"), kRate7Record);
  EXPECT_FALSE(FileExists(folder_.path() / "tax.ini.new"));
}

TEST_F(TaxFileTest, AnEmptyFileReadsAsNoStateChosen) {
  WriteBytes(folder_.path() / "tax.ini", "");
  ExpectSetting(Load(), u"...", u"0");
}

TEST_F(TaxFileTest, AMissingFileIsReportedOnceAndChangesNothing) {
  TaxSetting setting{u"CA", u""};
  EXPECT_FALSE(ReadTaxFile(folder_.path(), setting, reporter_));
  EXPECT_EQ(reporter_.messages, std::vector<std::u16string>{u"Read tax file failed!"});
  ExpectSetting(setting, u"CA", u"");
}

TEST_F(TaxFileTest, OpeningCreatesAMissingFileAndKeepsAnExistingOne) {
  EXPECT_TRUE(TaxFileWriter::Open(folder_.path()));
  EXPECT_EQ(ReadBytes(folder_.path() / "tax.ini"), "");

  WriteBytes(folder_.path() / "tax.ini", kRate825Record);
  EXPECT_TRUE(TaxFileWriter::Open(folder_.path()));
  EXPECT_EQ(ReadBytes(folder_.path() / "tax.ini"), kRate825Record);
}

TEST_F(TaxFileTest, AFailedWriteLeavesTheFileAsItWas) {
  const struct {
    FileOperation operation;
    const char* name;
  } cases[] = {
      {FileOperation::Open, "open"},       {FileOperation::Write, "write"},
      {FileOperation::Flush, "flush"},     {FileOperation::Close, "close"},
      {FileOperation::Replace, "replace"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(folder_.path() / "tax.ini", kRate8375Record);
    std::optional<TaxFileWriter> writer = TaxFileWriter::Open(folder_.path());
    ASSERT_TRUE(writer);
    FailingOperation fault(c.operation);
    ScopedFileFaults installed(fault);
    EXPECT_FALSE(writer->Write({u"CA", u"0"}));
    EXPECT_EQ(ReadBytes(folder_.path() / "tax.ini"), kRate8375Record);
    EXPECT_FALSE(FileExists(folder_.path() / "tax.ini.new"));
  }
}

}  // namespace
}  // namespace tallyfox
