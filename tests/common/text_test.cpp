#include "common/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace tallyfox {
namespace {

TEST(TextTest, FromUtf8ReplacesEachInvalidPart) {
  const struct {
    const char* name;
    std::string utf8;
    std::u16string expected;
  } cases[] = {
      {"ascii", "milk 2", u"milk 2"},
      {"two bytes", "caf\xC3\xA9", u"caf\u00E9"},
      {"three bytes", "\xE2\x82\xAC", u"\u20AC"},
      {"four bytes", "\xF0\x9F\x98\x80", u"\U0001F600"},
      {"zero byte", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
      {"overlong", "\xC0\xAF", u"\uFFFD\uFFFD"},
      {"truncated at end", "a\xE2\x82", u"a\uFFFD"},
      {"truncated mid-text",
       "\xE2\x82"
       "A",
       u"\uFFFDA"},
      {"lone continuation",
       "\x80"
       "b",
       u"\uFFFDb"},
      {"encoded surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"never a lead", "\xFF\xFE", u"\uFFFD\uFFFD"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(FromUtf8(c.utf8), c.expected);
  }
}

TEST(TextTest, ToUtf8ReplacesUnpairedSurrogates) {
  EXPECT_EQ(ToUtf8(u"caf\u00E9 \u20AC \U0001F600"), "caf\xC3\xA9 \xE2\x82\xAC \xF0\x9F\x98\x80");
  const char16_t unpaired[] = {u'a', 0xD800, u'b', 0xDC00, 0xD83D};
  EXPECT_EQ(ToUtf8(std::u16string_view(unpaired, 5)),
            "a\xEF\xBF\xBD"
            "b\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(TextTest, FromAsciiMarksBytesBeyondAscii) {
  EXPECT_EQ(FromAscii("1.25e+06"), u"1.25e+06");
  EXPECT_EQ(FromAscii("\xE9"), u"\uFFFD");
}

TEST(TextTest, LeftTakesAtMostNCodeUnits) {
  EXPECT_EQ(Left(u"12.3456", 5), u"12.34");
  EXPECT_EQ(Left(u"CA", 3), u"CA");
  EXPECT_EQ(Left(u"", 3), u"");
}

TEST(TextTest, SplitWordsTakesRunsBetweenWhiteSpace) {
  using Words = std::vector<std::u16string_view>;
  const struct {
    const char* name;
    std::u16string_view line;
    Words expected;
  } cases[] = {
      {"two-space fields", u"0  milk  2  food  6.50", {u"0", u"milk", u"2", u"food", u"6.50"}},
      {"mixed white space", u"\t1 eggs\v12\f\rfood \n", {u"1", u"eggs", u"12", u"food"}},
      {"empty", u"", {}},
      {"only white space", u" \t\r\n", {}},
      {"no-break space joins", u"a\u00A0b c", {u"a\u00A0b", u"c"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(SplitWords(c.line), c.expected);
    std::array<std::u16string_view, 3> first;
    ASSERT_EQ(SplitFirstWords(c.line, first), c.expected.size());
    for (std::size_t i = 0; i < std::min(first.size(), c.expected.size()); ++i) {
      EXPECT_EQ(first[i], c.expected[i]);
    }
  }
}

}  // namespace
}  // namespace tallyfox
