// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tallyfox {
namespace {

TEST(TextTest, ConversionsAndWords) {
  // The code points at each end of each encoded length and lead-byte range.
  const std::u16string text =
      u"\x7F\u0080\u07FF\u0800\u1000\uD7FF\uE000\uFFFF\U00010000\U00040000\U0010FFFF";
  const std::string utf8 =
      "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xE1\x80\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80"
      "\x80\xF1\x80\x80\x80\xF4\x8F\xBF\xBF";
  EXPECT_EQ(ToUtf8(text), utf8);
  EXPECT_TRUE(FromUtf8(utf8) == text);
  EXPECT_EQ(FromUtf8(ToUtf8(std::u16string{0xDC00, u'b', 0xD800, 0xD83D})), u"\uFFFDb\uFFFD\uFFFD");
  // One for each maximal part that cannot begin a valid sequence.
  EXPECT_EQ(FromUtf8("\xC1\xBF|\xE0\x9F|\xED\xA0|\xF4\x90|\xE2\x82(|\xF0\x9F\x98"),
            u"\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD(|\uFFFD");
  using Words = std::vector<std::u16string_view>;
  EXPECT_EQ(SplitWords(u" \t1 eggs\v12\f\rfood\n"), (Words{u"1", u"eggs", u"12", u"food"}));
  std::array<std::u16string_view, 3> first = {u"", u"", u"kept"};
  EXPECT_EQ(SplitFirstWords(u" a bb  c ", std::span(first).first(2)), 3u);
  EXPECT_EQ(first, (std::array<std::u16string_view, 3>{u"a", u"bb", u"kept"}));
}

}  // namespace
}  // namespace tallyfox
