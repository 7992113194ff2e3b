// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/shoplist/list_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "core/common/numbers.h"
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
            Utf16Le(u"\uFEFF\n1  milk  2  food  2.00\n0  ice cream  2  food  1.25\n0  " + huge +
                    u"\n0  jam  1  food  3.5\n1" + soap.substr(1)));
  // Nothing that the file cannot hold, or a rewrite could not place.
  WriteBytes(Csv("list"), "");
  EXPECT_TRUE(store_.AppendItem(u"list", {false, u"soap", u"2", u"home", u"6.50"}));
  EXPECT_FALSE(store_.AppendItem(u"list", {false, u"ice cream", u"2", u"food", u"6.50"}));
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

// Random appends and rewrites: the file holds the model's lines, the subtotal its prices.
TEST_F(ListStoreTest, AppendsAndRewritesFollowAModel) {
  std::mt19937 random(5);
  const Texts words{u"x", u"caf\u00E9", u"7.5", u"\u20AC-x"};
  const auto word = [&] { return words[random() % words.size()]; };
  ASSERT_TRUE(store_.CreateList(u"list"));
  std::vector<ListItem> model;
  double subtotal = 0;
  for (int step = 0; step < 200; ++step) {
    const int at = model.empty() ? 0 : int(random() % model.size()), qty = int(random() % 1000) - 1;
    const double price = int(random() % 100000) / 100.0;
    const int kind = model.empty() ? 0 : random() % 4;
    if (kind == 0) {
      model.push_back({false, word(), word().substr(0, 3), word(), FormatFixed2(price)});
      ASSERT_TRUE(store_.AppendItem(u"list", model.back()));
      subtotal += price;
    } else if (kind == 1) {
      std::vector<int> ticked;
      for (std::size_t i = 0; i < model.size(); ++i) {
        if ((model[i].checked = random() % 2)) ticked.push_back(int(i) + 1);
      }
      subtotal = store_.RewriteChecks(u"list", ticked, subtotal).value();
    } else if (kind == 2) {
      subtotal = store_.RewriteDelete(u"list", at, subtotal).value();
      model.erase(model.begin() + at);
    } else {
      subtotal =
          store_.RewriteUpdate(u"list", at, qty, price, ReadNumber(model[at].price), subtotal)
              .value();
      model[at].qty = FormatInteger(qty);
      model[at].price = FormatFixed2(price);
    }
    std::u16string text = u"\uFEFF\n";
    double sum = 0;
    for (const ListItem& i : model) {
      text += (i.checked ? u"1  " : u"0  ") + i.name + u"  " + i.qty + u"  " + i.catalog + u"  " +
              i.price + u"\n";
      sum += ReadNumber(i.price);
    }
    ASSERT_EQ(ReadBytes(Csv("list")), Utf16Le(text)) << "step " << step;
    ASSERT_NEAR(subtotal, sum, 1e-6) << "step " << step;
  }
}

}  // namespace
}  // namespace tallyfox
