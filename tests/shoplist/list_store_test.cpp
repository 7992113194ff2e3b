#include "shoplist/list_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "../common/test_files.h"
#include "common/text.h"
#include "recording_reporter.h"
#include "support/temp_folder.h"

namespace tallyfox {
namespace {

using testing::FailingOperation;
using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;
using Messages = std::vector<std::u16string>;

constexpr char16_t kHeader[] = u"\uFEFF\n";
const std::u16string kFourItems = std::u16string(kHeader) +
                                  u"0  milk  2  food  6.50\n"
                                  u"1  soap  1  home  2.25\n"
                                  u"0  tea  3  food  4.50\n"
                                  u"0  cap  1  apparel  9.99\n";

// Fails opening one file only.
class FailingOpenOf : public FileFaults {
 public:
  explicit FailingOpenOf(std::filesystem::path path) : path_(std::move(path)) {}
  bool ShouldFail(FileOperation operation, const std::filesystem::path& path) override {
    return operation == FileOperation::Open && path == path_;
  }

 private:
  std::filesystem::path path_;
};

class ListStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path ListFile(std::u16string_view name) const {
    return folder_.path() / (ToUtf8(name) + ".csv");
  }
  void Store(std::u16string_view name, std::u16string_view text) const {
    WriteBytes(ListFile(name), Utf16Le(text));
  }
  std::string Stored(std::u16string_view name) const { return ReadBytes(ListFile(name)); }
  std::vector<std::string> FolderNames() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
  }

  testing::TempFolder folder_;
  testing::RecordingReporter reporter_;
  ListStore store_{folder_.path(), reporter_};
};

TEST_F(ListStoreTest, NewListHoldsOnlyTheHeaderAndReadsEmpty) {
  ASSERT_TRUE(store_.CreateList(u"milk"));
  EXPECT_EQ(Stored(u"milk"), std::string("\xFF\xFE\x0A\x00", 4));
  const std::optional<ListContents> contents = store_.ReadItems(u"milk");
  ASSERT_TRUE(contents);
  EXPECT_TRUE(contents->items.empty());
  EXPECT_EQ(contents->subtotal, 0);
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ListStoreTest, CreateNeverReplacesAListButLetterCaseMakesAnotherName) {
  Store(u"milk", kFourItems);
  EXPECT_FALSE(store_.CreateList(u"milk"));
  EXPECT_EQ(reporter_.messages, Messages{u"Failed to create shopping list."});
  EXPECT_EQ(Stored(u"milk"), Utf16Le(kFourItems));

  // This folder's file system tells letter cases apart.
  EXPECT_TRUE(store_.CreateList(u"Milk"));
  EXPECT_EQ(Stored(u"Milk"), std::string("\xFF\xFE\x0A\x00", 4));
  EXPECT_EQ(Stored(u"milk"), Utf16Le(kFourItems));
}

TEST_F(ListStoreTest, CreateRefusesNamesThatAreNoSafeFileStem) {
  // The folder's path plus a separator and ".csv" leave this much for the name.
  const std::size_t room = 259 - FromUtf8(folder_.path().native()).size() - 1 - 4;
  std::vector<std::pair<std::u16string, bool>> cases = {
      {u"milk", true},
      {u" my list.v2", true},
      {u"caf\u00E9 \u20AC", true},
      {u"temp2", true},
      {std::u16string(room, u'x'), true},
      {u"", false},
      {std::u16string(room + 1, u'y'), false},
      {u".", false},
      {u"..", false},
      {u"milk.", false},
      {u"milk ", false},
      {u"temp", false},
      {u"TEMP", false},
      {u"tEmP", false},
      {u"../milk", false},
      {u"a\xD800", false},
  };
  for (const char16_t c : std::u16string_view(u"/\\:*?\"<>|\t\n\x7F\0", 13)) {
    cases.emplace_back(std::u16string(u"a") + c + u"b", false);
  }
  for (const auto& [name, accepted] : cases) {
    SCOPED_TRACE(ToUtf8(name));
    reporter_.messages.clear();
    EXPECT_EQ(store_.CreateList(name), accepted);
    EXPECT_EQ(reporter_.messages,
              accepted ? Messages{} : Messages{u"Failed to create shopping list."});
  }
  EXPECT_EQ(FolderNames().size(), 5u) << "only the accepted names have files";
  EXPECT_FALSE(std::filesystem::exists(folder_.path().parent_path() / "milk.csv"));
}

TEST_F(ListStoreTest, ListsEveryCsvFileByItsStem) {
  for (const char16_t* name : {u"b", u"a", u"c", u"temp"}) Store(name, kHeader);
  WriteBytes(folder_.path() / "notes.txt", "x");
  WriteBytes(folder_.path() / "upper.CSV", "x");
  std::filesystem::create_directory(folder_.path() / "folder.csv");

  std::vector<std::u16string> names = store_.ListLists();
  std::ranges::sort(names);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"a", u"b", u"c", u"temp"}));
  EXPECT_TRUE(store_.ListExists(u"a"));
  EXPECT_FALSE(store_.ListExists(u"A"));
  EXPECT_FALSE(store_.ListExists(u"a "));
  EXPECT_FALSE(store_.ListExists(u"folder"));
}

// Items as "checked|name|qty|catalog|price", one after another.
std::string Describe(const ListContents& contents) {
  std::string text;
  for (const ListItem& item : contents.items) {
    text += std::string(text.empty() ? "" : " ") + (item.checked ? "1|" : "0|") +
            ToUtf8(item.name) + "|" + ToUtf8(item.qty) + "|" + ToUtf8(item.catalog) + "|" +
            ToUtf8(item.price);
  }
  return text;
}

TEST_F(ListStoreTest, ReadsEveryLineWholeAsOneItem) {
  const std::u16string header = kHeader;
  const std::u16string longName(200, u'n');
  const struct {
    const char* label;
    std::u16string text;
    std::string items;
    double subtotal;
  } cases[] = {
      {"header and two items", header + u"0  milk  2  food  2.00\n1  tea  1  food  3.50\n",
       "0|milk|2|food|2.00 1|tea|1|food|3.50", 5.5},
      {"item after the byte-order mark", u"\uFEFF0  milk  2  food  2.00\n", "0|milk|2|food|2.00",
       2},
      {"no header at all", u"0  milk  2  food  2.00", "0|milk|2|food|2.00", 2},
      {"single spaces, tabs, CR LF", header + u"1 milk\t2 \t food 2.00\r\n", "1|milk|2|food|2.00",
       2},
      {"blank lines", header + u"\n  \n0  milk  2  food  2.00\n\t\n", "0|milk|2|food|2.00", 2},
      {"line beyond 71 characters", header + u"0  " + longName + u"  2  food  2.00\n",
       "0|" + ToUtf8(longName) + "|2|food|2.00", 2},
      {"fewer than five words", header + u"1  milk\n", "1|milk|||", 0},
      {"name with spaces", header + u"0  ice  cream  2  food  3.00\n", "0|ice cream|2|food|3.00",
       3},
      {"only 1 ticks", header + u"x  milk  2  food  1\n", "0|milk|2|food|1", 1},
      {"price no number", header + u"0  a  2  food  cheap\n0  b  1  food  1.25\n",
       "0|a|2|food|cheap 0|b|1|food|1.25", 1.25},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Store(u"list", c.text);
    const std::optional<ListContents> contents = store_.ReadItems(u"list");
    ASSERT_TRUE(contents);
    EXPECT_EQ(Describe(*contents), c.items);
    EXPECT_DOUBLE_EQ(contents->subtotal, c.subtotal);
  }
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ListStoreTest, ReadingAMissingListReportsIt) {
  EXPECT_FALSE(store_.ReadItems(u"gone"));
  EXPECT_FALSE(store_.ReadItems(u"a/b"));
  EXPECT_EQ(reporter_.messages,
            (Messages{u"Failed to open list file.", u"Failed to open list file."}));
}

TEST_F(ListStoreTest, AppendWritesOneUntickedLineAfterWhatIsThere) {
  const ListItem milk{true, u"milk", u"2", u"food", u"6.50"};
  const std::u16string milkLine = u"0  milk  2  food  6.50\n";
  const struct {
    const char* label;
    std::string before;
    std::string after;
  } cases[] = {
      {"new list", Utf16Le(kHeader), Utf16Le(kHeader + milkLine)},
      {"after an item", Utf16Le(kHeader + milkLine), Utf16Le(kHeader + milkLine + milkLine)},
      {"last line without line feed", Utf16Le(u"\uFEFF\n1  tea  1  food  1.00"),
       Utf16Le(u"\uFEFF\n1  tea  1  food  1.00\n" + milkLine)},
      {"empty file gets its header", "", Utf16Le(kHeader + milkLine)},
      {"last character cut short by a crash", Utf16Le(u"\uFEFF\n1  tea  1  food  1.0") + "0",
       Utf16Le(u"\uFEFF\n1  tea  1  food  1.0") + std::string("0\0", 2) +
           Utf16Le(u"\n" + milkLine)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    WriteBytes(ListFile(u"list"), c.before);
    EXPECT_TRUE(store_.AppendItem(u"list", milk));
    EXPECT_EQ(Stored(u"list"), c.after);
  }
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ListStoreTest, AppendRefusesWhatTheFileCannotHoldAndMissingLists) {
  const struct {
    const char* label;
    std::u16string list;
    ListItem item;
  } cases[] = {
      {"missing list", u"gone", {false, u"milk", u"2", u"food", u"6.50"}},
      {"name with a space", u"list", {false, u"ice cream", u"2", u"food", u"6.50"}},
      {"name with a line feed", u"list", {false, u"ice\ncream", u"2", u"food", u"6.50"}},
      {"empty quantity", u"list", {false, u"milk", u"", u"food", u"6.50"}},
      {"empty catalog", u"list", {false, u"milk", u"2", u"", u"6.50"}},
      {"price with a tab", u"list", {false, u"milk", u"2", u"food", u"6.\t50"}},
  };
  Store(u"list", kHeader);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    reporter_.messages.clear();
    EXPECT_FALSE(store_.AppendItem(c.list, c.item));
    EXPECT_EQ(reporter_.messages, Messages{u"Failed to save item."});
  }
  EXPECT_EQ(Stored(u"list"), Utf16Le(kHeader));
  EXPECT_FALSE(std::filesystem::exists(ListFile(u"gone")));
}

TEST_F(ListStoreTest, RewriteChecksSetsEveryCheckedField) {
  const struct {
    const char* label;
    std::vector<int> ticked;
    const char16_t* checks;
  } cases[] = {
      {"none", {}, u"0000"},
      {"first and third", {1, 3}, u"1010"},
      {"all", {1, 2, 3, 4}, u"1111"},
      {"out of order", {4, 2}, u"0101"},
      {"beyond the list", {2, 9}, u"0100"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Store(u"list", kFourItems);
    double subtotal = 23.24;
    ASSERT_TRUE(store_.RewriteChecks(u"list", c.ticked, subtotal));
    EXPECT_EQ(subtotal, 23.24);
    const std::optional<ListContents> contents = store_.ReadItems(u"list");
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->items.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(contents->items[i].checked, c.checks[i] == u'1') << i;
  }
  EXPECT_EQ(Stored(u"list"),
            Utf16Le(std::u16string(kHeader) +
                    u"0  milk  2  food  6.50\n1  soap  1  home  2.25\n0  tea  3  food  4.50\n"
                    u"0  cap  1  apparel  9.99\n"));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"list.csv"}) << "no scratch file stays";
}

TEST_F(ListStoreTest, RewriteWritesLinesBackWithTwoSpacesAndTheWordsTheyHave) {
  Store(u"list", u"\uFEFF\n1 milk\t2 food 2.00\n1  soap\n0  ice  cream  2  food  3.00\n");
  double subtotal = 5;
  ASSERT_TRUE(store_.RewriteChecks(u"list", {1, 2}, subtotal));
  EXPECT_EQ(Stored(u"list"), Utf16Le(u"\uFEFF\n1  milk  2  food  2.00\n1  soap\n"
                                     u"0  ice cream  2  food  3.00\n"));
}

TEST_F(ListStoreTest, RewriteDeleteDropsOneLineAndItsPrice) {
  Store(u"list", kFourItems);
  double subtotal = 23.24;
  ASSERT_TRUE(store_.RewriteDelete(u"list", 1, subtotal));
  EXPECT_DOUBLE_EQ(subtotal, 20.99);
  EXPECT_EQ(Stored(u"list"),
            Utf16Le(std::u16string(kHeader) +
                    u"0  milk  2  food  6.50\n0  tea  3  food  4.50\n0  cap  1  apparel  9.99\n"));

  Store(u"only", u"\uFEFF\n0  milk  1  food  2.00\n");
  subtotal = 2;
  ASSERT_TRUE(store_.RewriteDelete(u"only", 0, subtotal));
  EXPECT_EQ(subtotal, 0);
  EXPECT_EQ(Stored(u"only"), std::string("\xFF\xFE\x0A\x00", 4));
}

TEST_F(ListStoreTest, RewriteUpdateSetsQuantityAndPriceOnly) {
  Store(u"list", u"\uFEFF\nx  milk  007  food  6.50\n1  tea  2  grocery  2.50\n");
  double subtotal = 9;
  ASSERT_TRUE(store_.RewriteUpdate(u"list", 1, 3, 3.75, 2.50, subtotal));
  EXPECT_DOUBLE_EQ(subtotal, 10.25);
  ASSERT_TRUE(store_.RewriteUpdate(u"list", 0, 7, 1.0 / 3, 6.50, subtotal));
  EXPECT_DOUBLE_EQ(subtotal, 10.25 + 1.0 / 3 - 6.5);
  EXPECT_EQ(Stored(u"list"),
            Utf16Le(u"\uFEFF\nx  milk  7  food  0.33\n1  tea  3  grocery  3.75\n"));
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ListStoreTest, RewriteRefusesChangesItCannotPlaceAndKeepsTheFile) {
  const std::u16string text = u"\uFEFF\n0  milk  2  food  6.50\n0  soap\n";
  Store(u"list", text);
  double subtotal = 6.5;
  EXPECT_FALSE(store_.RewriteDelete(u"list", 2, subtotal));
  EXPECT_FALSE(store_.RewriteDelete(u"list", -1, subtotal));
  EXPECT_FALSE(store_.RewriteUpdate(u"list", 2, 1, 1, 6.5, subtotal));
  EXPECT_FALSE(store_.RewriteUpdate(u"list", 1, 1, 1, 0, subtotal)) << "no catalog to keep";
  EXPECT_FALSE(
      store_.RewriteUpdate(u"list", 0, 1, std::numeric_limits<double>::infinity(), 6.5, subtotal));
  EXPECT_FALSE(store_.RewriteChecks(u"gone", {1}, subtotal));
  EXPECT_EQ(subtotal, 6.5);
  EXPECT_EQ(Stored(u"list"), Utf16Le(text));
  EXPECT_EQ(FolderNames(), std::vector<std::string>{"list.csv"});
  EXPECT_TRUE(reporter_.messages.empty());
}

TEST_F(ListStoreTest, ALeftoverScratchFileIsNeverRewrittenThroughItself) {
  const std::u16string text = u"\uFEFF\n0  milk  2  food  6.50\n";
  for (const char16_t* name : {u"temp", u"TEMP", u"Temp"}) {
    SCOPED_TRACE(ToUtf8(name));
    Store(name, text);
    double subtotal = 6.5;
    EXPECT_TRUE(store_.ReadItems(name));
    EXPECT_FALSE(store_.RewriteChecks(name, {1}, subtotal));
    EXPECT_FALSE(store_.RewriteDelete(name, 0, subtotal));
    EXPECT_EQ(subtotal, 6.5);
    EXPECT_EQ(Stored(name), Utf16Le(text));
    std::filesystem::remove(ListFile(name));
  }
}

TEST_F(ListStoreTest, AFailedRewriteLeavesTheListAsItWas) {
  const struct {
    const char* label;
    FileOperation failing;
    Messages messages;
  } cases[] = {
      {"write", FileOperation::Write, {u"Failed to update shopping list file"}},
      {"flush", FileOperation::Flush, {u"Failed to update shopping list file"}},
      {"replace", FileOperation::Replace, {u"Failed to update shopping list file"}},
      {"read", FileOperation::Read, {u"Failed to update shopping list file"}},
      {"open", FileOperation::Open, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    Store(u"list", kFourItems);
    reporter_.messages.clear();
    double subtotal = 23.24;
    {
      FailingOperation fault(c.failing);
      ScopedFileFaults installed(fault);
      EXPECT_FALSE(store_.RewriteDelete(u"list", 0, subtotal));
    }
    EXPECT_EQ(reporter_.messages, c.messages);
    EXPECT_EQ(subtotal, 23.24);
    EXPECT_EQ(Stored(u"list"), Utf16Le(kFourItems));
    EXPECT_EQ(FolderNames(), std::vector<std::string>{"list.csv"});
  }

  SCOPED_TRACE("scratch file not made");
  reporter_.messages.clear();
  FailingOpenOf fault(folder_.path() / "temp.csv");
  ScopedFileFaults installed(fault);
  double subtotal = 23.24;
  EXPECT_FALSE(store_.RewriteChecks(u"list", {1}, subtotal));
  EXPECT_TRUE(reporter_.messages.empty());
  EXPECT_EQ(Stored(u"list"), Utf16Le(kFourItems));
}

TEST_F(ListStoreTest, DeleteRemovesTheFileOrSaysItCouldNot) {
  Store(u"list", kHeader);
  EXPECT_TRUE(store_.DeleteList(u"list"));
  EXPECT_TRUE(FolderNames().empty());
  EXPECT_FALSE(store_.DeleteList(u"list"));
  EXPECT_EQ(reporter_.messages, Messages{u"Failed to delete shopping list file"});
}

TEST_F(ListStoreTest, AFailedCreateLeavesNoHalfList) {
  FailingOperation fault(FileOperation::Write);
  ScopedFileFaults installed(fault);
  EXPECT_FALSE(store_.CreateList(u"milk"));
  EXPECT_EQ(reporter_.messages, Messages{u"Failed to create shopping list."});
  EXPECT_TRUE(FolderNames().empty());
}

}  // namespace
}  // namespace tallyfox
