// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/common/text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tallyfox {
namespace {

// The code points at each end of each encoded length and lead-byte range.
const std::u16string kEdgeText =
    u"\x7F\u0080\u07FF\u0800\u1000\uD7FF\uE000\uFFFF\U00010000\U00040000\U0010FFFF";
const std::string kEdgeUtf8 =
    "\x7F\xC2\x80\xDF\xBF\xE0\xA0\x80\xE1\x80\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBF\xF0\x90\x80"
    "\x80\xF1\x80\x80\x80\xF4\x8F\xBF\xBF";

TEST(TextTest, EdgeCodePointsBecomeTheirUtf8Bytes) { EXPECT_EQ(ToUtf8(kEdgeText), kEdgeUtf8); }

TEST(TextTest, Utf8OfEdgeCodePointsReadsBack) { EXPECT_EQ(FromUtf8(kEdgeUtf8), kEdgeText); }

// U+1F600 is the pair D83D DE00: neither half is at an end of its range.
TEST(TextTest, AnEmojiInANameKeepsItsFourBytes) {
  EXPECT_EQ(ToUtf8(u"tea \U0001F600"), "tea \xF0\x9F\x98\x80");
  EXPECT_EQ(FromUtf8("tea \xF0\x9F\x98\x80"), u"tea \U0001F600");
}

TEST(TextTest, UnpairedSurrogatesBecomeReplacementCharacters) {
  EXPECT_EQ(ToUtf8(std::u16string{0xDC00, u'b', 0xD800, 0xD83D}),
            "\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

// One for each maximal part that cannot begin a valid sequence.
TEST(TextTest, IllFormedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("\xC1\xBF|\xE0\x9F|\xED\xA0|\xF4\x90|\xE2\x82(|\xF0\x9F\x98"),
            u"\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD\uFFFD|\uFFFD(|\uFFFD");
}

TEST(TextTest, WordsAreSplitAtAnyRunOfWhiteSpace) {
  using Words = std::vector<std::u16string_view>;
  EXPECT_EQ(SplitWords(u" \t1 eggs\v12\f\rfood\n"), (Words{u"1", u"eggs", u"12", u"food"}));
}

TEST(TextTest, FirstWordsFillTheGivenPlacesAndCountEveryWord) {
  std::array<std::u16string_view, 3> first = {u"", u"", u"kept"};
  EXPECT_EQ(SplitFirstWords(u" a bb  c ", std::span(first).first(2)), 3u) << "words";
  EXPECT_EQ(first, (std::array<std::u16string_view, 3>{u"a", u"bb", u"kept"}));
}

}  // namespace
}  // namespace tallyfox
