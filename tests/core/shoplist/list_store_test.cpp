// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/text.h"
#include "core/shoplist/list_lines.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using testing::ReadBytes;
using testing::Utf16Le;
using testing::WriteBytes;
using Texts = std::vector<std::u16string>;
const std::string kEmptyList("\xFF\xFE\x0A\x00", 4);

class ListStoreTest : public ::testing::Test {
 protected:
  std::filesystem::path Csv(std::string name) const { return folder_.path() / (name + ".csv"); }

  testing::TempFolder folder_;
  testing::RecordingReporter reporter_;
  ListStore store_{folder_.path(), reporter_};
};

TEST_F(ListStoreTest, CreatesAndListsListsButNeverUnderATakenOrUnsafeName) {
  ASSERT_TRUE(store_.CreateList(u"milk"));
  EXPECT_EQ(ReadBytes(Csv("milk")), kEmptyList);
  WriteBytes(Csv("milk"), "old");
  EXPECT_FALSE(store_.CreateList(u"milk"));
  EXPECT_EQ(ReadBytes(Csv("milk")), "old");
  // The folder's path, a separator and ".csv" leave this much of 259.
  const std::u16string longest(259 - FromUtf8(folder_.path().native()).size() - 5, u'x');
  for (const std::u16string& name : Texts{u"Milk", u" a.v2~", u"caf\u00E9\u00A0", longest})
    EXPECT_TRUE(store_.CreateList(name)) << ToUtf8(name);
  Texts unsafe{u"", u".", u"..", u"milk.", u"milk ", u"temp", u"TeMP", u"a\xD800", longest + u"y"};
  for (const char16_t c : std::u16string_view(u"/\\:*?\"<>|\x1F\x7F\x9F\0", 13))
    unsafe.push_back({u'a', c});
  for (const std::u16string& name : unsafe) EXPECT_FALSE(store_.CreateList(name)) << ToUtf8(name);
  EXPECT_EQ(reporter_.messages, Texts(23, u"Failed to create shopping list."));

  for (const char* file : {"temp.csv", "notes.txt", "upper.CSV", "bad\xFF.csv"})
    WriteBytes(folder_.path() / file, "");
  Texts names = store_.ListLists();
  std::ranges::sort(names);
  EXPECT_EQ(names, (Texts{u" a.v2~", u"Milk", u"caf\u00E9\u00A0", u"milk", u"temp", longest}));
}

// No header, CR LF, blank lines, too few or many words, a huge line, and in
// the file an odd last byte.
const std::u16string kHuge(70000, u'n');
const std::u16string kOddText = u"1 milk\t2 food 2.00\r\n\n  \nx  ice  cream  2  food  1.25\n0  " +
                                kHuge + u"\n0  jam  1  food  3.";
const std::string kOddFile = Utf16Le(kOddText) + "5";
const ListItem kSoap{true, u"soap", u"2", u"home", u"6.50"};
const std::u16string kSoapLine = u"0  soap  2  home  6.50\n";

TEST_F(ListStoreTest, AnOddFileIsReadItemForItem) {
  WriteBytes(Csv("list"), kOddFile);
  const std::optional<ListContents> read = store_.ReadItems(u"list");
  ASSERT_TRUE(read);
  ASSERT_EQ(read->items.size(), 4u) << "items";
  EXPECT_EQ(read->subtotal, 6.25) << "subtotal";
  EXPECT_TRUE(read->items[0].checked) << "milk ticked";
  EXPECT_FALSE(read->items[1].checked) << "a word in the tick field";
  EXPECT_EQ(read->items[2].name, kHuge) << "huge name";
  EXPECT_EQ(read->items[3].price, u"3.") << "price cut by the odd byte";
}

// An append comes unticked, and completes the character cut short first.
TEST_F(ListStoreTest, AnAppendToAnOddFileKeepsEveryByteBeforeIt) {
  WriteBytes(Csv("list"), kOddFile);
  EXPECT_TRUE(store_.AppendItem(u"list", kSoap));
  EXPECT_EQ(ReadBytes(Csv("list")), Utf16Le(kOddText + u"5\n" + kSoapLine));
}

TEST_F(ListStoreTest, ARewriteOfAnOddFileLaysEveryItemOutTwoSpacesApart) {
  WriteBytes(Csv("list"), Utf16Le(kOddText + u"5"));
  ASSERT_TRUE(store_.RewriteChecks(u"list", {1}, 0));
  EXPECT_EQ(ReadBytes(Csv("list")),
            Utf16Le(u"\uFEFF\n1  milk  2  food  2.00\n0  ice\u00A0cream  2  food  1.25\n0  " +
                    kHuge + u"\n0  jam  1  food  3.5\n"));
}

TEST_F(ListStoreTest, AnAppendToAnEmptyFileWritesTheMarkFirst) {
  WriteBytes(Csv("list"), "");
  EXPECT_TRUE(store_.AppendItem(u"list", kSoap));
  EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList + Utf16Le(kSoapLine));
}

TEST_F(ListStoreTest, AnItemNoLineCouldHoldIsNeitherAppendedNorReported) {
  const struct {
    const char* why;
    ListItem item;
  } refused[] = {
      {"a line end in the price", {false, u"milk", u"1", u"food", u"6.\n50"}},
      {"an empty quantity", {false, u"milk", u"", u"food", u"6.50"}},
      {"a name of 32 characters", {false, std::u16string(32, u'n'), u"1", u"x", u"1"}},
      {"a quantity of four digits", {false, u"tea", u"1000", u"x", u"1"}},
      {"a price of thirteen digits", {false, u"tea", u"1", u"x", u"1000000000000.00"}},
  };
  for (const auto& [why, item] : refused) {
    WriteBytes(Csv("list"), kEmptyList);
    EXPECT_FALSE(store_.AppendItem(u"list", item)) << why;
    EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList) << why;
  }
  EXPECT_EQ(reporter_.messages, Texts(5, u"Failed to save item."));
}

// An item line with a word in its tick field, then a line of one word.
TEST_F(ListStoreTest, RewritesAFileCouldNotReadBackAreRefused) {
  const std::string word = Utf16Le(u"\uFEFF\n10  milk  2  food  2.00\n0  tea\n");
  WriteBytes(Csv("word"), word);
  EXPECT_FALSE(store_.RewriteDelete(u"word", 2, 0)) << "no third item";
  EXPECT_FALSE(store_.RewriteUpdate(u"word", 2, 1, 1, 0, 0)) << "no third item to update";
  EXPECT_FALSE(store_.RewriteUpdate(u"word", 1, 1, 1, 0, 0)) << "no catalog to keep";
  EXPECT_FALSE(store_.RewriteUpdate(u"word", 0, 1000, 1, 0, 0)) << "four digits";
  EXPECT_FALSE(store_.RewriteChecks(u"word", {}, 0)) << "a tick field holds a word";
  EXPECT_EQ(reporter_.messages, Texts{u"Failed to update shopping list file"});
  EXPECT_EQ(ReadBytes(Csv("word")), word);
}

// A space would split the line into more than five fields.
TEST_F(ListStoreTest, SpacesInANameOrCatalogAreStoredAsNoBreakSpacesAndReadBackAsSpaces) {
  ASSERT_TRUE(store_.CreateList(u"list"));
  ASSERT_TRUE(store_.AppendItem(u"list", {false, u"olive oil", u"2", u"cold drinks", u"7.00"}));
  EXPECT_EQ(ReadBytes(Csv("list")),
            kEmptyList + Utf16Le(u"0  olive\u00A0oil  2  cold\u00A0drinks  7.00\n"));
  const ListItem read = store_.ReadItems(u"list").value().items.at(0);
  EXPECT_EQ(read.name, u"olive oil") << "name";
  EXPECT_EQ(read.catalog, u"cold drinks") << "catalog";
}

TEST_F(ListStoreTest, ANameOrCatalogWithSpaceAtAnEndOrInARunIsRefused) {
  ASSERT_TRUE(store_.CreateList(u"list"));
  for (const std::u16string& name : Texts{u" tea", u"tea ", u"green  tea", u"green\ttea"}) {
    EXPECT_FALSE(store_.AppendItem(u"list", {false, name, u"1", u"food", u"1.00"})) << "name";
    EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1", name, u"1.00"})) << "catalog";
  }
  EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList);
}

// The longest fields two spaces apart make 74 characters, so they go one space
// apart; a single-spaced line of another program's stays so through a rewrite.
TEST_F(ListStoreTest, NoLineWrittenPassesSeventyOneCharacters) {
  const std::u16string name(31, u'n'), catalog(15, u'c'), price = u"999999999999.99";
  WriteBytes(Csv("list"), Utf16Le(u"\uFEFF\n0 " + name + u" 1 " + catalog + u" " + price + u"\n"));
  ASSERT_TRUE(store_.AppendItem(u"list", {false, name, u"999", catalog, price}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1", catalog + u"c", u"1.00"}));
  ASSERT_TRUE(store_.RewriteChecks(u"list", {1, 2}, 0));
  ASSERT_TRUE(store_.RewriteUpdate(u"list", 0, 999, 1e11, 0, 0));
  const std::u16string rest = u" " + name + u" 999 " + catalog + u" ";  // 70 with its LF
  EXPECT_EQ(ReadBytes(Csv("list")),
            Utf16Le(u"\uFEFF\n1" + rest + u"100000000000.00\n1" + rest + price + u"\n"));
}

TEST_F(ListStoreTest, FieldsStayTwoSpacesApartUpToSeventyOneCharacters) {
  const ItemLine line{u"0", std::u16string(30, u'n'), u"1", std::u16string(15, u'c'),
                      u"999999999999.99"};
  EXPECT_EQ(FormatItemLine(line),
            u"0  " + line.name + u"  1  " + line.catalog + u"  " + line.price + u"\n");
  EXPECT_EQ(FormatItemLine(ItemLine{}), u"\n") << "a line of no field is its LF alone";
}

// A first line that is not an item's shape is the list's title, whatever it
// holds; a blank one, or the mark and a CR, comes back as the mark alone.
TEST_F(ListStoreTest, ATitleLineStaysTheTitleThroughEveryChange) {
  const std::u16string items = u"0  milk  2  food  2.00\n0  tea  1  food  3.50\n";
  for (const std::u16string& title :
       Texts{u"Weekly shop for the family", u"1 x 2 food", u"0 milk two food 2.00", u"2 a 1 b 1"}) {
    WriteBytes(Csv("list"), Utf16Le(title + u"\n" + items));
    EXPECT_EQ(store_.ReadItems(u"list").value().items.size(), 2u) << ToUtf8(title);
    ASSERT_TRUE(store_.RewriteChecks(u"list", {2}, 0));
    ASSERT_TRUE(store_.RewriteDelete(u"list", 0, 0));
    EXPECT_EQ(ReadBytes(Csv("list")), Utf16Le(title + u"\n1  tea  1  food  3.50\n"));
  }
  for (const std::u16string& blank : Texts{u"", u"\uFEFF\r", u" \t"}) {
    WriteBytes(Csv("list"), Utf16Le(blank + u"\n" + items));
    ASSERT_TRUE(store_.RewriteDelete(u"list", 0, 0));
    EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList + Utf16Le(items.substr(23)));
  }
  WriteBytes(Csv("list"), Utf16Le(u"1 milk 2 food 2.00\n"));  // no header: an item
  EXPECT_EQ(store_.ReadItems(u"list").value().items.size(), 1u);
}

// A list past the limit could never be read again; one that fills it exactly can.
TEST_F(ListStoreTest, ARewriteMayFillTheSizeLimitButNotPassIt) {
  const std::u16string line = u"0  tea  1  food  1.00\n";
  const std::u16string title(16 * 1024 * 1024 / 2 - line.size() - 1, u't');
  WriteBytes(Csv("list"), Utf16Le(title + u"\n" + line));
  const std::string before = ReadBytes(Csv("list"));
  EXPECT_FALSE(store_.RewriteUpdate(u"list", 0, 1, 10, 1, 1));
  EXPECT_EQ(reporter_.messages, Texts{u"Failed to update shopping list file"});
  EXPECT_TRUE(ReadBytes(Csv("list")) == before);
  EXPECT_TRUE(store_.RewriteUpdate(u"list", 0, 1, 2, 1, 1));
}

const std::u16string kTwoItems = u"\uFEFF\n0  milk  2  food  6.50\n0  tea  1  food  2.25\n";

TEST_F(ListStoreTest, AnUpdateMovesTheSubtotalByThePriceChange) {
  WriteBytes(Csv("list"), Utf16Le(kTwoItems));
  EXPECT_EQ(store_.RewriteUpdate(u"list", 0, 3, 1.5, 6.5, 8.75), 3.75) << "subtotal";
  EXPECT_EQ(ReadBytes(Csv("list")),
            Utf16Le(u"\uFEFF\n0  milk  3  food  1.50\n0  tea  1  food  2.25\n"));
}

// Undoing the delete of the last item puts it back after the others.
TEST_F(ListStoreTest, AnInsertAfterTheLastItemAddsItsPriceAndOnePastThatIsRefused) {
  WriteBytes(Csv("list"), Utf16Le(kTwoItems));
  const ListItem jam{true, u"apricot jam", u"1", u"food", u"3.00"};
  EXPECT_EQ(store_.RewriteInsert(u"list", 3, jam, 8.75), std::nullopt) << "one past the end";
  EXPECT_EQ(store_.RewriteInsert(u"list", 2, jam, 8.75), 11.75) << "subtotal";
  EXPECT_EQ(ReadBytes(Csv("list")), Utf16Le(kTwoItems + u"1  apricot\u00A0jam  1  food  3.00\n"));
}

}  // namespace
}  // namespace tallyfox
