// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_store.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/common/text.h"
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

// No header, CR LF, blank lines, too few or many words, a huge line, an odd last
// byte: every item is read, kept by an append and rewritten in the two-space layout.
TEST_F(ListStoreTest, ReadsAppendsAndRewritesOddFilesWithoutLoss) {
  const std::u16string huge(70000, u'n');
  const std::u16string text = u"1 milk\t2 food 2.00\r\n\n  \nx  ice  cream  2  food  1.25\n0  " +
                              huge + u"\n0  jam  1  food  3.";
  WriteBytes(Csv("list"), Utf16Le(text) + "5");
  const std::optional<ListContents> read = store_.ReadItems(u"list");
  ASSERT_TRUE(read && read->items.size() == 4);
  EXPECT_EQ(read->subtotal, 6.25);
  EXPECT_TRUE(read->items[0].checked && !read->items[1].checked && !read->items[3].checked);
  EXPECT_EQ(read->items[2].name + read->items[3].price, huge + u"3.");
  EXPECT_TRUE(store_.AppendItem(u"list", {true, u"soap", u"2", u"home", u"6.50"}));
  const std::u16string soap = u"0  soap  2  home  6.50\n";
  EXPECT_EQ(ReadBytes(Csv("list")), Utf16Le(text + u"5\n" + soap));
  double subtotal = 5;
  ASSERT_TRUE(store_.RewriteChecks(u"list", {1, 5}, subtotal));
  EXPECT_EQ(ReadBytes(Csv("list")),
            Utf16Le(u"\uFEFF\n1  milk  2  food  2.00\n0  ice\u00A0cream  2  food  1.25\n0  " +
                    huge + u"\n0  jam  1  food  3.5\n1" + soap.substr(1)));
  // Nothing that the file cannot hold, or a rewrite could not place.
  WriteBytes(Csv("list"), "");
  EXPECT_TRUE(store_.AppendItem(u"list", {false, u"soap", u"2", u"home", u"6.50"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"ice  cream", u"2", u"food", u"6.50"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"milk", u"", u"food", u"6.\n50"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, std::u16string(32, u'n'), u"1", u"x", u"1"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1000", u"x", u"1"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1", u"x", u"1000000000000.00"}));
  WriteBytes(Csv("word"), Utf16Le(u"\uFEFF\n10  milk  2  food  2.00\n0  tea\n"));
  EXPECT_FALSE(store_.RewriteDelete(u"word", 2, subtotal));
  EXPECT_FALSE(store_.RewriteUpdate(u"word", 1, 1, 1, 0, subtotal)) << "no catalog to keep";
  EXPECT_FALSE(store_.RewriteUpdate(u"word", 0, 1000, 1, 0, subtotal)) << "four digits";
  EXPECT_FALSE(store_.RewriteChecks(u"word", {}, subtotal)) << "a tick field holds a word";
  EXPECT_EQ(reporter_.messages,
            (Texts{u"Failed to save item.", u"Failed to save item.", u"Failed to save item.",
                   u"Failed to save item.", u"Failed to save item.",
                   u"Failed to update shopping list file"}));
  EXPECT_EQ(ReadBytes(Csv("word")), Utf16Le(u"\uFEFF\n10  milk  2  food  2.00\n0  tea\n"));
  EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList + Utf16Le(soap));
}

// The format's own reader: words between runs of spaces and tabs, one line each.
std::vector<std::vector<std::u16string_view>> FieldsOfLines(std::u16string_view text) {
  std::vector<std::vector<std::u16string_view>> lines;
  for (std::size_t start = 0, end; (end = text.find(u'\n', start)) != text.npos; start = end + 1) {
    lines.push_back(SplitWords(text.substr(start, end + 1 - start)));
  }
  return lines;
}

TEST_F(ListStoreTest, WordsOfANameOrCatalogKeepTheirLineAtFiveFields) {
  ASSERT_TRUE(store_.CreateList(u"list"));
  ASSERT_TRUE(store_.AppendItem(u"list", {false, u"olive oil", u"2", u"cold drinks", u"7.00"}));
  const std::u16string olive = u"0  olive\u00A0oil  2  cold\u00A0drinks  7.00\n";
  EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList + Utf16Le(olive));
  EXPECT_EQ(FieldsOfLines(olive)[0].size(), 5u);
  const ListItem read = store_.ReadItems(u"list").value().items.at(0);
  EXPECT_EQ(read.name + u"/" + read.catalog, u"olive oil/cold drinks");
  for (const std::u16string& name : Texts{u" tea", u"tea ", u"green  tea", u"green\ttea"}) {
    EXPECT_FALSE(store_.AppendItem(u"list", {false, name, u"1", u"food", u"1.00"}));
    EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1", name, u"1.00"}));
  }
  EXPECT_EQ(ReadBytes(Csv("list")), kEmptyList + Utf16Le(olive));
}

// The longest fields two spaces apart make 74 characters; a single-spaced line
// of another program's is not lengthened past the limit by a rewrite either.
TEST_F(ListStoreTest, NoLineWrittenPassesSeventyOneCharacters) {
  const std::u16string name(31, u'n'), catalog(15, u'c'), price = u"999999999999.99";
  WriteBytes(Csv("list"), Utf16Le(u"\uFEFF\n0 " + name + u" 1 " + catalog + u" " + price + u"\n"));
  ASSERT_TRUE(store_.AppendItem(u"list", {false, name, u"999", catalog, price}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"tea", u"1", catalog + u"c", u"1.00"}));
  ASSERT_TRUE(store_.RewriteChecks(u"list", {1, 2}, 0));
  ASSERT_TRUE(store_.RewriteUpdate(u"list", 0, 999, 1e11, 0, 0));
  const std::string bytes = ReadBytes(Csv("list"));
  const std::u16string text(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
  for (std::size_t start = 0, end; (end = text.find(u'\n', start)) != text.npos; start = end + 1) {
    EXPECT_LE(end + 1 - start, 71u) << "line at " << start;
  }
  const auto lines = FieldsOfLines(text);
  EXPECT_TRUE(lines.size() == 3 && lines[1].size() == 5 && lines[2].size() == 5);
  EXPECT_EQ(lines[1][4], u"100000000000.00");
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
  const ListItem jam{true, u"jam", u"1", u"food", u"3.00"};
  EXPECT_EQ(store_.RewriteInsert(u"list", 3, jam, 8.75), std::nullopt) << "one past the end";
  EXPECT_EQ(store_.RewriteInsert(u"list", 2, jam, 8.75), 11.75) << "subtotal";
  EXPECT_EQ(ReadBytes(Csv("list")), Utf16Le(kTwoItems + u"1  jam  1  food  3.00\n"));
}

}  // namespace
}  // namespace tallyfox
