// Names and files made to hurt: names that try to leave the folder, very long
// names, every forbidden character; files of 0, 1, 3 bytes and 1 MB, CR LF
// line ends, lines of 10,000 characters; every short tax.ini there is.

#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "../shoplist/recording_reporter.h"
#include "common/text.h"
#include "converter/exchange_rates.h"
#include "shoplist/list_names.h"
#include "shoplist/list_store.h"
#include "support/temp_folder.h"
#include "tax/tax_file.h"

namespace tallyfox {
namespace {

using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;
using Snapshot = std::map<std::filesystem::path, std::string>;

Snapshot TakeSnapshot(const std::filesystem::path& folder) {
  Snapshot files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) files[entry.path()] = ReadBytes(entry.path());
  }
  return files;
}

std::vector<std::u16string> HostileNames() {
  std::vector<std::u16string> names = {
      u"..",          u".",        u"../outside", u"../../outside", u"/tmp/outside", u"a/../b",
      u"..\\outside", u"sub/list", u"",           u"outside/..",    u"\xD800x",      u"x\xDC00",
  };
  for (const std::size_t length : {200, 251, 255, 256, 300, 10000}) {
    names.push_back(std::u16string(length, u'n'));
    names.push_back(std::u16string(length / 3, u'\u20AC'));  // three UTF-8 bytes each
  }
  for (const char16_t c : std::u16string_view(u"/\\:*?\"<>|")) {
    names.push_back(std::u16string(u"a") + c + u"b");
  }
  for (char16_t c = 0; c < 0xA0; c = c == 0x1F ? 0x7F : c + 1) {
    names.push_back(std::u16string(u"a") + c + u"b");
  }
  return names;
}

// Every operation with a hostile name either works on a file in the folder
// under exactly that name or fails without touching anything anywhere.
TEST(HostileInputTest, NoNameReachesOutsideTheFolder) {
  testing::TempFolder root;
  const std::filesystem::path folder = root.path() / "app";
  std::filesystem::create_directories(folder / "sub");
  const std::string list = Utf16Le(u"\uFEFF\n0  milk  2  food  6.50\n");
  for (const char* file : {"outside.csv", "app/list.csv", "app/sub/list.csv"}) {
    WriteBytes(root.path() / file, list);
  }
  const Snapshot before = TakeSnapshot(root.path());
  for (const std::u16string& name : HostileNames()) {
    SCOPED_TRACE(ToUtf8(name).substr(0, 40) + " (" + std::to_string(name.size()) + ")");
    testing::RecordingReporter reporter;
    ListStore store(folder, reporter);
    double subtotal = 0;
    const ListItem jam{false, u"jam", u"1", u"food", u"3.00"};
    const bool created = store.CreateList(name);
    const bool appended = store.AppendItem(name, jam);
    const bool ticked = store.RewriteChecks(name, {1}, subtotal);
    const std::optional<ListContents> contents = store.ReadItems(name);
    if (created) {
      EXPECT_TRUE(IsSafeListName(name));
      EXPECT_TRUE(store.ListExists(name)) << "a new list is found under its own name";
      EXPECT_TRUE(appended && ticked && contents && contents->items.size() == 1);
    } else {
      EXPECT_FALSE(appended || ticked || contents);
    }
    EXPECT_EQ(store.DeleteList(name), created);
    EXPECT_EQ(TakeSnapshot(root.path()), before);
  }
}

struct HostileFile {
  const char* label;
  std::string bytes;
};

std::string RandomBytes(std::size_t count) {
  std::mt19937 random(7);
  std::string bytes(count, '\0');
  for (char& byte : bytes) byte = static_cast<char>(random());
  return bytes;
}

std::vector<HostileFile> HostileListFiles() {
  std::u16string manyItems = u"\uFEFF\n";
  for (int i = 0; manyItems.size() < 512 * 1024; ++i) {
    manyItems += u"0  item" + FromUtf8(std::to_string(i)) + u"  2  food  1.25\n";
  }
  return {
      {"0 bytes", ""},
      {"1 byte", "\xFF"},
      {"3 bytes", "\xFF\xFE\x0A"},
      {"1 MB of items", Utf16Le(manyItems)},
      {"1 MB of random bytes", RandomBytes(1 << 20)},
      {"1 MB on one line", Utf16Le(u"0  " + std::u16string(1 << 19, u'x') + u"  1  food  1")},
      {"CR LF line ends",
       Utf16Le(u"\uFEFF\r\n0  milk  2  food  6.50\r\n1  tea  1  food  2.25\r\n")},
      {"10,000-character name",
       Utf16Le(u"\uFEFF\n0  " + std::u16string(10000, u'n') + u"  2  food  6.50\n")},
      {"10,000 spaces between fields",
       Utf16Le(u"\uFEFF\n0" + std::u16string(10000, u' ') + u"milk  2  food  6.50\n")},
  };
}

// What a list holds, item by item, as text to compare.
std::vector<std::string> Items(ListStore& store) {
  std::vector<std::string> items;
  const std::optional<ListContents> contents = store.ReadItems(u"list");
  if (!contents) return {"unreadable"};
  for (const ListItem& item : contents->items) {
    items.push_back(ToUtf8(item.name + u"|" + item.qty + u"|" + item.catalog + u"|" + item.price));
  }
  return items;
}

// Each rewrite keeps every item and the text of every field; an append adds
// one item after them.
TEST(HostileInputTest, HostileListFilesLoseNoItem) {
  testing::TempFolder folder;
  const std::filesystem::path list = folder.path() / "list.csv";
  testing::RecordingReporter reporter;
  ListStore store(folder.path(), reporter);
  for (const HostileFile& file : HostileListFiles()) {
    SCOPED_TRACE(file.label);
    WriteBytes(list, file.bytes);
    const std::vector<std::string> items = Items(store);
    ASSERT_NE(items, std::vector<std::string>{"unreadable"});
    double subtotal = 0;
    if (store.RewriteChecks(u"list", {1, 2}, subtotal)) {
      EXPECT_EQ(Items(store), items);
    } else {
      EXPECT_EQ(ReadBytes(list), file.bytes);
    }
    const std::string rewritten = ReadBytes(list);
    EXPECT_TRUE(store.AppendItem(u"list", {false, u"jam", u"1", u"food", u"3.00"}));
    const std::vector<std::string> appended = Items(store);
    ASSERT_FALSE(appended.empty());
    EXPECT_EQ(appended.back(), "jam|1|food|3.00");
    EXPECT_EQ(ReadBytes(list).substr(0, rewritten.size() & ~std::size_t{1}),
              rewritten.substr(0, rewritten.size() & ~std::size_t{1}));
  }
}

TEST(HostileInputTest, HostileRateFilesKeepEveryOtherLine) {
  const std::u16string longLine = u"5  6  " + std::u16string(10000, u'9');
  const double infinity = std::numeric_limits<double>::infinity();
  const struct {
    const char* label;
    std::string bytes;
    double rate;       // of the pair 0 to 1
    double otherRate;  // of the pair 5 to 6
    std::u16string keptLine;
  } cases[] = {
      {"0 bytes", "", 0, 0, u""},
      {"1 byte", "\xFF", 0, 0, u""},
      {"3 bytes", "\xFF\xFE\x0A", 0, 0, u""},
      {"1 MB of random bytes", RandomBytes(1 << 20), 0, 0, u""},
      {"CR LF line ends", Utf16Le(u"\uFEFF\r\n0  1  0.9  \r\n5  6  4  \r\n1  0  1.1\r\n"), 0.9, 4,
       u"\n5  6  4  \r\n"},
      {"10,000-character line", Utf16Le(u"\uFEFF\n" + longLine + u"\n0  1  0.9  \n"), 0.9, infinity,
       u"\n" + longLine + u"\n"},
      {"10,000 spaces between fields",
       Utf16Le(u"\uFEFF\n0" + std::u16string(10000, u' ') + u"1  0.9\n5 6 2"), 0.9, 2,
       u"\n5 6 2\n"},
  };
  testing::TempFolder folder;
  const std::filesystem::path rates = folder.path() / "exrate.dat";
  testing::RecordingReporter reporter;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    WriteBytes(rates, c.bytes);
    EXPECT_EQ(ReadExchangeRate(rates, 0, 1, reporter), c.rate);
    EXPECT_EQ(ReadExchangeRate(rates, 5, 6, reporter), c.otherRate);
    ASSERT_TRUE(StoreExchangeRate(rates, folder.path() / "temp.csv", 0, 1, u"0.8", reporter));
    EXPECT_EQ(ReadExchangeRate(rates, 0, 1, reporter), 0.8);
    EXPECT_EQ(ReadExchangeRate(rates, 1, 0, reporter), 1.25);
    EXPECT_EQ(ReadExchangeRate(rates, 5, 6, reporter), c.otherRate);
    EXPECT_NE(ReadBytes(rates).find(Utf16Le(c.keptLine)), std::string::npos);
    EXPECT_TRUE(reporter.messages.empty());
  }
}

// A field is either left at its initial value or holds the low bytes at its
// offsets up to the first zero; a record of 14 bytes or more holds both whole.
void ExpectFieldsFrom(const std::string& record, const TaxSetting& setting) {
  const auto bytesAt = [&](std::initializer_list<std::size_t> offsets) {
    std::u16string text;
    for (const std::size_t offset : offsets) {
      if (offset >= record.size() || record[offset] == 0) break;
      text += static_cast<char16_t>(static_cast<unsigned char>(record[offset]));
    }
    return text;
  };
  const std::u16string state = bytesAt({0, 2});
  const std::u16string rate = bytesAt({4, 6, 8, 10, 12});
  const TaxSetting initial;
  const bool whole = record.size() >= 14;
  EXPECT_TRUE(setting.stateCode == state || (!whole && setting.stateCode == initial.stateCode));
  EXPECT_TRUE(setting.customRateText == rate ||
              (!whole && (setting.customRateText == initial.customRateText ||
                          setting.customRateText == rate.substr(0, 4))));
}

// Every length up to the 18 bytes read, filled with every byte value; and
// every value at every position of a valid record cut to every length.
TEST(HostileInputTest, EveryShortTaxFileReads) {
  testing::TempFolder folder;
  testing::RecordingReporter reporter;
  for (std::size_t length = 0; length <= 18; ++length) {
    for (int value = 0; value < 256; ++value) {
      SCOPED_TRACE(::testing::Message() << length << " bytes of " << value);
      const std::string record(length, static_cast<char>(value));
      // A new file each time: rewriting one in place makes ext4 sync it.
      std::filesystem::remove(folder.path() / "tax.ini");
      WriteBytes(folder.path() / "tax.ini", record);
      TaxSetting setting;
      ASSERT_TRUE(ReadTaxFile(folder.path(), setting, reporter));
      ExpectFieldsFrom(record, setting);
    }
  }
  const std::string valid("S...8\0.\0003\0007\0005\0\0\0\0\0", 18);
  for (std::size_t length = 0; length <= 18; ++length) {
    for (std::size_t position = 0; position < length; ++position) {
      for (int value = 0; value < 256; ++value) {
        SCOPED_TRACE(::testing::Message() << length << " bytes, " << value << " at " << position);
        std::string record = valid.substr(0, length);
        record[position] = static_cast<char>(value);
        const std::vector<std::byte> bytes = testing::AsBytes(record);
        ExpectFieldsFrom(record, DecodeTaxRecord(bytes));
        if (::testing::Test::HasFailure()) return;
      }
    }
  }
  EXPECT_TRUE(reporter.messages.empty());
}

}  // namespace
}  // namespace tallyfox
