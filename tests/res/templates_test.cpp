// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "core/common/text.h"
#include "res/accessible_names.h"
#include "res/converter_ids.h"
#include "res/mnemonics.h"

namespace tallyfox {
namespace {

using enum ControlKind;

// A drop-down list's height is its opened height; the converter's shoe table
// lies over the unit fields it replaces. Neighbours may share a border line.
TEST(TemplatesTest, EveryWindowHasItsTemplateWithItemsApartNamedAndTabbedByKind) {
  ASSERT_EQ(AllTemplates().size(), 17u);
  for (const DialogTemplate* dialog : AllTemplates()) {
    EXPECT_EQ(FindTemplate(dialog->number), dialog);
    const bool converter =
        dialog->number == kIddConverterPortrait || dialog->number == kIddConverterLandscape;
    const auto laidOver = [&](const ItemTemplate& item) {
      return item.kind == DropDownList || (converter && item.id == kIdcShoeTable);
    };
    const auto names = AccessibleNames(dialog->items);
    std::set<int> ids;
    const auto items = dialog->items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const ItemTemplate& a = items[i];
      const DuRect& r = a.rect;
      SCOPED_TRACE(std::to_string(dialog->number) + " item " + std::to_string(i));
      EXPECT_TRUE(a.id == kIdcStatic || ids.insert(a.id).second) << "repeated id";
      EXPECT_FALSE(names[i].empty() && SpokenCaption(a.caption).empty()) << "nameless";
      EXPECT_TRUE(r.cx > 0 && r.cy > 0 && r.x >= 0 && r.y >= 0 && r.x + r.cx <= dialog->cx);
      EXPECT_TRUE(a.kind == DropDownList || r.y + r.cy <= dialog->cy);
      // Labels take no tab stop; nor do boxes that only show a result.
      const bool label = a.kind == StaticText || a.kind == Picture || a.kind == TabControl;
      const bool input = !label && !(a.kind == Edit && (a.style & kReadOnly));
      EXPECT_TRUE(a.kind == RadioButton || ((a.style & kTabStop) != 0) == input);
      for (std::size_t j = i + 1; j < items.size() && !laidOver(a); ++j) {
        const DuRect& s = items[j].rect;
        EXPECT_TRUE(laidOver(items[j]) ||
                    std::min(r.x + r.cx, s.x + s.cx) - std::max(r.x, s.x) <= 1 ||
                    std::min(r.y + r.cy, s.y + s.cy) - std::max(r.y, s.y) <= 1);
      }
    }
  }
}

// Enter has at most one default button to press.
TEST(TemplatesTest, AWindowHasAtMostOneDefaultButton) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    const auto isDefault = [](const ItemTemplate& item) {
      return (item.style & kDefaultButton) != 0;
    };
    EXPECT_LE(std::ranges::count_if(dialog->items, isDefault), 1) << dialog->number;
  }
}

// Each window's Alt letters differ, and only a caption of no free letter
// goes without.
TEST(MnemonicsTest, EveryButtonOfAWindowGetsALetterOfItsOwn) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    const std::vector<std::size_t> places = MnemonicPlaces(dialog->items);
    std::set<char16_t> letters;
    for (std::size_t i = 0; i < places.size(); ++i) {
      const ItemTemplate& item = dialog->items[i];
      SCOPED_TRACE(std::to_string(dialog->number) + " " + ToUtf8(item.caption));
      const bool button =
          item.kind == PushButton || item.kind == CheckBox || item.kind == RadioButton;
      if (!button || item.caption == u"...") {
        EXPECT_EQ(places[i], kNoMnemonic);
        continue;
      }
      ASSERT_LT(places[i], item.caption.size());
      EXPECT_TRUE(letters.insert(static_cast<char16_t>(item.caption[places[i]] | 0x20)).second);
    }
  }
}

// A first letter goes first to the control whose caption begins with it.
TEST(MnemonicsTest, FirstLettersComeBeforeOtherWordsAndOtherWordsBeforeAnyLetter) {
  const auto letters = [](std::initializer_list<std::u16string_view> captions) {
    std::vector<ItemTemplate> items;
    for (std::u16string_view caption : captions) {
      items.push_back({.kind = PushButton, .caption = caption, .rect = {}});
    }
    std::string shown;
    const auto places = MnemonicPlaces(items);
    for (std::size_t i = 0; i < items.size(); ++i) {
      shown += places[i] == kNoMnemonic ? '-' : static_cast<char>(items[i].caption[places[i]]);
    }
    return shown;
  };
  EXPECT_EQ(letters({u"Choose your state (U.S.)", u"Customize sales tax (%)", u"Set && Save"}),
            "CtS");
  EXPECT_EQ(letters({u"C", u"Calc", u"...", u"Save && New", u"Save && Exit"}), "Ca-SE");
}

// A label 20 x 8 at (x, y), and a field 40 x 12 of the given kind.
ItemTemplate L(int x, int y, ControlKind kind = StaticText, std::u16string_view caption = u"&Qty:",
               std::uint32_t style = kStyleNone) {
  return {.kind = kind, .caption = caption, .rect = {x, y, 20, 8}, .style = style};
}
ItemTemplate F(int x, int y, ControlKind kind = Edit, int height = 12) {
  return {.id = 1, .kind = kind, .caption = {}, .rect = {x, y, 40, height}};
}
std::string LastName(const std::vector<ItemTemplate>& items) {
  return ToUtf8(AccessibleNames(items).back());
}

TEST(AccessibleNamesTest, AFieldIsNamedByTheLabelBesideOrHeadingIt) {
  for (int x = 4; x <= 44; ++x) {
    for (int y = -10; y <= 20; ++y) {
      // Beside: 2 units over to 12 apart, its middle in the row; above: 3 out of line.
      const bool beside = x >= 18 && x <= 32 && y >= -6 && y <= 6;
      const bool heading = x >= 37 && x <= 43 && y >= 6;
      EXPECT_EQ(LastName({L(0, 2), F(x, y)}), beside ? "Qty" : "") << x << "," << y;
      EXPECT_EQ(LastName({L(40, 0), F(x, y)}), heading ? "Qty" : "") << x << "," << y;
    }
  }
  EXPECT_EQ(LastName({L(0, 2, StaticText, u"Qty", kHidden), F(22, 0)}), "");
  EXPECT_EQ(LastName({L(40, 0, StaticText, u"Qty", kHidden), L(0, 20, CheckBox), F(40, 10)}), "");
  EXPECT_EQ(LastName({L(0, 20), F(22, 0, DropDownList, 100)}), "") << "a closed box's row";
  EXPECT_EQ(LastName({L(6, 2, StaticText, u"Near"), L(0, 2), F(27, 0)}), "Near");
  EXPECT_EQ(LastName({L(6, 12), L(6, 2, StaticText, u"Far"), F(6, 30)}), "Qty");
  EXPECT_EQ(LastName({L(22, -12, StaticText, u"Above"), L(0, 2, CheckBox), F(22, 0)}), "Qty");
  EXPECT_EQ(LastName({L(10, 0), F(10, 10), F(10, 24)}), "Qty row 2");
  EXPECT_EQ(ToUtf8(SpokenCaption(u"Set && &Save:")), "Set & Save") << "spoken";
  EXPECT_EQ(ToUtf8(ShownCaption(u"A:&")), "A:&") << "shown";
}

}  // namespace
}  // namespace tallyfox
