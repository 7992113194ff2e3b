#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

#include "res/about_ids.h"
#include "res/calc_ids.h"
#include "res/converter_ids.h"
#include "res/dialog_template.h"
#include "res/images.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"

namespace tallyfox {
namespace {

const DialogTemplate& Template(int number) {
  const DialogTemplate* found = FindTemplate(number);
  if (found == nullptr) throw std::runtime_error("no template " + std::to_string(number));
  return *found;
}

const ItemTemplate* FindItem(const DialogTemplate& dialog, int id) {
  const auto found = std::find_if(dialog.items.begin(), dialog.items.end(),
                                  [id](const ItemTemplate& item) { return item.id == id; });
  return found == dialog.items.end() ? nullptr : &*found;
}

std::string Describe(const DialogTemplate& dialog, const ItemTemplate& item) {
  return "template " + std::to_string(dialog.number) + ", item " + std::to_string(item.id) +
         " at " + std::to_string(item.rect.x) + "," + std::to_string(item.rect.y);
}

// A drop-down list's height is its opened height, so it may reach past the
// dialog and over its neighbours.
bool IsDropDown(const ItemTemplate& item) { return item.kind == ControlKind::DropDownList; }

TEST(TemplatesTest, EveryWindowHasItsTemplate) {
  constexpr std::uint32_t kPopupOk = kDialogPopup | kDialogCaptionOk;
  struct Case {
    int number;
    std::u16string_view caption;
    std::uint32_t style;
  };
  const Case cases[] = {
      {kIddMainPortrait, u"Tallyfox", kPopupOk},
      {kIddMainLandscape, u"Tallyfox", kPopupOk},
      {kIddDiscountPortrait, u"", kDialogChild},
      {kIddSalePortrait, u"", kDialogChild},
      {kIddAboutPortrait, u"", kDialogChild},
      {kIddTaxSetup, u"Tax Setup", kPopupOk},
      {kIddDiscountLandscape, u"", kDialogChild},
      {kIddSaleLandscape, u"", kDialogChild},
      {kIddAboutLandscape, u"", kDialogChild},
      {kIddShoplistPortrait, u"", kDialogChild},
      {kIddAddList, u"Add List", kPopupOk},
      {kIddShoppingListPortrait, u"Shopping List", kDialogPopup},
      {kIddItemEdit, u"Item Edit", kPopupOk},
      {kIddShoplistLandscape, u"", kDialogChild},
      {kIddShoppingListLandscape, u"Shopping List", kDialogPopup},
      {kIddConverterPortrait, u"", kDialogChild},
      {kIddConverterLandscape, u"", kDialogChild},
  };
  const auto all = AllTemplates();
  ASSERT_EQ(all.size(), std::size(cases));
  for (std::size_t i = 0; i < all.size(); ++i) {
    const Case& c = cases[i];
    SCOPED_TRACE(c.number);
    EXPECT_EQ(all[i]->number, c.number) << "AllTemplates is in ascending order";
    EXPECT_EQ(FindTemplate(c.number), all[i]);
    EXPECT_TRUE(all[i]->caption == c.caption);
    EXPECT_EQ(all[i]->style, c.style);
    EXPECT_EQ(all[i]->fontName, u"MS Shell Dlg");
    EXPECT_EQ(all[i]->pointSize, 8);
    EXPECT_FALSE(all[i]->items.empty());
  }
  for (int missing : {0, -1, 101, 136, 145, kIdcStatic}) {
    EXPECT_EQ(FindTemplate(missing), nullptr) << missing;
  }
}

TEST(TemplatesTest, ControlIdsAreUniqueWithinEachTemplate) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    std::set<int> seen;
    for (const ItemTemplate& item : dialog->items) {
      if (item.id == kIdcStatic) continue;
      EXPECT_TRUE(seen.insert(item.id).second) << Describe(*dialog, item) << " is repeated";
    }
  }
}

TEST(TemplatesTest, NamedIdsResolveToControlsOfTheirKind) {
  using K = ControlKind;
  const std::vector<int> kCalcPages = {kIddDiscountPortrait, kIddSalePortrait,
                                       kIddDiscountLandscape, kIddSaleLandscape};
  const std::vector<int> kTaxWindows = {kIddDiscountPortrait,     kIddSalePortrait,
                                        kIddDiscountLandscape,    kIddSaleLandscape,
                                        kIddShoppingListPortrait, kIddShoppingListLandscape};
  const std::vector<int> kSale = {kIddSalePortrait, kIddSaleLandscape};
  const std::vector<int> kDiscount = {kIddDiscountPortrait, kIddDiscountLandscape};
  const std::vector<int> kAbout = {kIddAboutPortrait, kIddAboutLandscape};
  const std::vector<int> kShoplist = {kIddShoplistPortrait, kIddShoplistLandscape};
  const std::vector<int> kShoppingList = {kIddShoppingListPortrait, kIddShoppingListLandscape};
  const std::vector<int> kConverter = {kIddConverterPortrait, kIddConverterLandscape};
  const auto ids = [](const auto& array, std::size_t count) {
    return std::vector<int>(array.begin(), array.begin() + count);
  };
  const std::vector<int> kDiscountBoxesBoth = ids(kDiscountBoxIds, kDiscountBoxCountLandscape);
  const std::vector<int> kDiscountBoxesPortraitOnly(
      kDiscountBoxIds.begin() + kDiscountBoxCountLandscape, kDiscountBoxIds.end());

  struct Case {
    const char* what;
    std::vector<int> templates;
    std::vector<int> ids;
    ControlKind kind;
    std::uint32_t required = kStyleNone;
    std::uint32_t forbidden = kStyleNone;
  };
  const Case cases[] = {
      {"tab control", {kIddMainPortrait, kIddMainLandscape}, {kIdcTabControl}, K::TabControl},
      {"with tax", kTaxWindows, {kIdcWithTax}, K::CheckBox, kTabStop},
      {"state button", kTaxWindows, {kIdcStateButton}, K::PushButton, kTabStop},
      {"food on pages", kCalcPages, {kIdcFood}, K::CheckBox, kTabStop, kHidden},
      {"food on lists", kShoppingList, {kIdcFood}, K::CheckBox, kHidden},
      {"choose state", {kIddTaxSetup}, {kIdcChooseState}, K::RadioButton, kGroup},
      // Without a group of its own, so that it shares the first radio button's group.
      {"customize", {kIddTaxSetup}, {kIdcCustomizeRate}, K::RadioButton, kStyleNone, kGroup},
      {"state list", {kIddTaxSetup}, {kIdcStateList}, K::DropDownList, kSorted | kVScroll},
      {"rate field", {kIddTaxSetup}, {kIdcRateField}, K::Edit, kBorder | kAutoHScroll, kReadOnly},
      {"set and save", {kIddTaxSetup}, {kIdcSetAndSave}, K::PushButton},
      {"about lines", kAbout, {kIdcVersion, kIdcInfoLine4}, K::StaticText},
      {"sale prices", kSale, ids(kSalePriceIds, 16), K::Edit, kAutoHScroll,
       kReadOnly | kDigitsOnly},
      {"sale percents", kSale, ids(kSalePercentIds, 16), K::Edit, kDigitsOnly, kReadOnly},
      {"sale quantities", kSale, ids(kSaleQtyIds, 16), K::Edit, kDigitsOnly, kReadOnly},
      {"sale results", kSale, ids(kSaleResultIds, 16), K::Edit, kReadOnly},
      {"sale sums", kSale, {kIdcSaleTax, kIdcSaleTotal}, K::Edit, kReadOnly},
      {"sale buttons", kSale, {kIdcSaleCalc, kIdcSaleClear}, K::PushButton},
      {"sale first price", kSale, {kIdcSaleFirstPrice}, K::Edit, kStyleNone, kReadOnly},
      {"discount price", kDiscount, {kIdcDiscountPrice}, K::Edit, kAutoHScroll, kReadOnly},
      {"price with tax", kDiscount, {kIdcDiscountPriceWithTax}, K::Edit, kReadOnly},
      {"discount boxes", kDiscount, kDiscountBoxesBoth, K::Edit, kReadOnly | kAlignRight},
      {"85% and 90%",
       {kIddDiscountPortrait},
       kDiscountBoxesPortraitOnly,
       K::Edit,
       kReadOnly | kAlignRight},
      {"custom percent",
       kDiscount,
       {kIdcDiscountCustomPercent},
       K::Edit,
       kDigitsOnly | kAlignRight,
       kReadOnly},
      {"custom result", kDiscount, {kIdcDiscountCustomResult}, K::Edit, kReadOnly | kAlignRight},
      {"discount calc", kDiscount, {kIdcDiscountCalc}, K::PushButton},
      {"shoplist buttons",
       kShoplist,
       {kIdcShoplistNew, kIdcShoplistDelete, kIdcShoplistEdit, kIdcShoplistView},
       K::PushButton},
      {"list names",
       kShoplist,
       {kIdcShoplistListBox},
       K::ListBox,
       kSorted | kNotify | kVScroll | kBorder | kNoIntegralHeight | kSingleSelection},
      {"add list name", {kIddAddList}, {kIdcAddListName}, K::Edit, kBorder | kAutoHScroll},
      {"add list buttons", {kIddAddList}, {kIdcAddListCreate, kIdcAddListCancel}, K::PushButton},
      {"list buttons",
       kShoppingList,
       {kIdcShoppingListAdd, kIdcShoppingListDelete, kIdcShoppingListEdit},
       K::PushButton},
      {"list table",
       kShoppingList,
       {kIdcShoppingListTable},
       K::ListView,
       kReportView | kSingleSelection},
      {"list texts",
       kShoppingList,
       {kIdcShoppingListTitle, kIdcShoppingListTax, kIdcShoppingListTotal},
       K::StaticText},
      {"item texts",
       {kIddItemEdit},
       {kIdcItemEditName, kIdcItemEditUnitPrice},
       K::Edit,
       kAutoHScroll,
       kDigitsOnly},
      {"item quantity", {kIddItemEdit}, {kIdcItemEditQty}, K::Edit, kDigitsOnly},
      {"item catalog", {kIddItemEdit}, {kIdcItemEditCatalog}, K::DropDownList, kSorted},
      {"item buttons",
       {kIddItemEdit},
       {kIdcItemEditSaveAndNew, kIdcItemEditSaveAndExit},
       K::PushButton},
      {"converter lists",
       kConverter,
       {kIdcCategoryList, kIdcFromUnitList, kIdcToUnitList},
       K::DropDownList,
       kTabStop,
       kSorted},
      {"value and rate",
       kConverter,
       {kIdcValueField, kIdcExchangeRateField},
       K::Edit,
       kBorder | kAutoHScroll | kTabStop,
       kReadOnly},
      {"result", kConverter, {kIdcResultField}, K::Edit, kBorder | kReadOnly, kTabStop},
      {"shoe table", kConverter, {kIdcShoeTable}, K::ListView, kReportView | kBorder},
      {"set rate", kConverter, {kIdcSetRate}, K::PushButton},
      {"rate label", kConverter, {kIdcExchangeRateLabel}, K::StaticText},
  };
  for (const Case& c : cases) {
    for (int number : c.templates) {
      for (int id : c.ids) {
        SCOPED_TRACE(std::string(c.what) + ": template " + std::to_string(number) + ", id " +
                     std::to_string(id));
        const ItemTemplate* item = FindItem(Template(number), id);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->kind, c.kind);
        EXPECT_EQ(item->style & c.required, c.required);
        EXPECT_EQ(item->style & c.forbidden, 0u);
      }
    }
  }
  for (int missing : kDiscountBoxesPortraitOnly) {
    EXPECT_EQ(FindItem(Template(kIddDiscountLandscape), missing), nullptr) << missing;
  }
}

// Keyboard users reach every control that takes input, and no label.
TEST(TemplatesTest, TabStopsFollowTheKindOfControl) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    const bool isConverter =
        dialog->number == kIddConverterPortrait || dialog->number == kIddConverterLandscape;
    for (const ItemTemplate& item : dialog->items) {
      SCOPED_TRACE(Describe(*dialog, item));
      const bool isTabStop = (item.style & kTabStop) != 0;
      switch (item.kind) {
        case ControlKind::StaticText:
        case ControlKind::Picture:
        case ControlKind::TabControl:
          EXPECT_FALSE(isTabStop);
          break;
        case ControlKind::RadioButton:
          break;
        default:
          // The converter's result only shows what the value field gives.
          EXPECT_EQ(isTabStop, !(isConverter && item.id == kIdcResultField));
      }
    }
  }
}

TEST(TemplatesTest, SaleRowsAreTabbedInRowOrder) {
  for (int number : {kIddSalePortrait, kIddSaleLandscape}) {
    const DialogTemplate& dialog = Template(number);
    std::vector<int> editIds;
    for (const ItemTemplate& item : dialog.items) {
      if (item.kind == ControlKind::Edit) editIds.push_back(item.id);
    }
    std::vector<int> expected;
    for (std::size_t row = 0; row < kSalePriceIds.size(); ++row) {
      expected.insert(expected.end(), {kSalePriceIds[row], kSalePercentIds[row], kSaleQtyIds[row],
                                       kSaleResultIds[row]});
    }
    expected.insert(expected.end(), {kIdcSaleTax, kIdcSaleTotal});
    EXPECT_EQ(editIds, expected) << number;
  }
}

TEST(TemplatesTest, ListsStartWithTheirEntries) {
  struct Case {
    int number;
    int id;
    std::size_t count;
  };
  const Case cases[] = {
      {kIddTaxSetup, kIdcStateList, 51},
      {kIddItemEdit, kIdcItemEditCatalog, 13},
      {kIddConverterPortrait, kIdcCategoryList, 9},
      {kIddConverterLandscape, kIdcCategoryList, 9},
      {kIddConverterPortrait, kIdcFromUnitList, 0},
      {kIddConverterLandscape, kIdcToUnitList, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("template " + std::to_string(c.number) + ", id " + std::to_string(c.id));
    const ItemTemplate* item = FindItem(Template(c.number), c.id);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->entries.size(), c.count);
    const std::set<std::u16string_view> distinct(item->entries.begin(), item->entries.end());
    EXPECT_EQ(distinct.size(), c.count);
    for (std::u16string_view entry : item->entries) EXPECT_FALSE(entry.empty());
  }
  // The page stores the category as the selection's index.
  const auto categories = FindItem(Template(kIddConverterPortrait), kIdcCategoryList)->entries;
  EXPECT_EQ(categories.front(), u"Currency");
  EXPECT_EQ(categories.back(), u"Children's Shoes");
  for (std::u16string_view code : FindItem(Template(kIddTaxSetup), kIdcStateList)->entries) {
    EXPECT_EQ(code.size(), 2u);
  }
}

TEST(TemplatesTest, ItemsLieWithinTheirDialog) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    for (const ItemTemplate& item : dialog->items) {
      SCOPED_TRACE(Describe(*dialog, item));
      const DuRect& r = item.rect;
      EXPECT_GT(r.cx, 0);
      EXPECT_GT(r.cy, 0);
      EXPECT_GE(r.x, 0);
      EXPECT_GE(r.y, 0);
      EXPECT_LE(r.x + r.cx, dialog->cx);
      if (!IsDropDown(item)) {
        EXPECT_LE(r.y + r.cy, dialog->cy);
      }
    }
  }
}

// Neighbouring boxes may share a border line; anything more hides text.
// The converter's shoe table lies over the unit fields, which it replaces.
TEST(TemplatesTest, ItemsDoNotCoverEachOther) {
  const auto overlap = [](int a, int aSize, int b, int bSize) {
    return std::min(a + aSize, b + bSize) - std::max(a, b);
  };
  for (const DialogTemplate* dialog : AllTemplates()) {
    const bool isConverter =
        dialog->number == kIddConverterPortrait || dialog->number == kIddConverterLandscape;
    const auto laidOver = [&](const ItemTemplate& item) {
      return IsDropDown(item) || (isConverter && item.id == kIdcShoeTable);
    };
    const auto items = dialog->items;
    for (std::size_t i = 0; i < items.size(); ++i) {
      for (std::size_t j = i + 1; j < items.size(); ++j) {
        const ItemTemplate& a = items[i];
        const ItemTemplate& b = items[j];
        if (laidOver(a) || laidOver(b)) continue;
        const int across = overlap(a.rect.x, a.rect.cx, b.rect.x, b.rect.cx);
        const int down = overlap(a.rect.y, a.rect.cy, b.rect.y, b.rect.cy);
        EXPECT_FALSE(across > 1 && down > 1)
            << Describe(*dialog, a) << " covers " << Describe(*dialog, b);
      }
    }
  }
}

// Width, height and colour type from a PNG's header chunk.
struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  int colourType = -1;
};

PngHeader ReadPngHeader(std::span<const unsigned char> png) {
  static constexpr unsigned char kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
  if (png.size() < 26 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin())) {
    return {};
  }
  const auto bigEndian = [&](std::size_t at) {
    return std::uint32_t{png[at]} << 24 | std::uint32_t{png[at + 1]} << 16 |
           std::uint32_t{png[at + 2]} << 8 | std::uint32_t{png[at + 3]};
  };
  return {bigEndian(16), bigEndian(20), png[25]};
}

TEST(TemplatesTest, ImagesHaveTheSizesTheWindowsExpect) {
  constexpr int kRgb = 2;
  constexpr int kRgba = 6;
  struct Case {
    int number;
    std::uint32_t width;
    std::uint32_t height;
    std::set<int> colourTypes;
  };
  const Case cases[] = {{kIconApplication, 48, 48, {kRgb, kRgba}}, {kBitmapAbout, 55, 62, {kRgb}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.number);
    const PngHeader header = ReadPngHeader(ImageResource(c.number));
    EXPECT_EQ(header.width, c.width);
    EXPECT_EQ(header.height, c.height);
    EXPECT_TRUE(c.colourTypes.contains(header.colourType)) << header.colourType;
  }
  EXPECT_TRUE(ImageResource(0).empty());
  for (int number : {kIddAboutPortrait, kIddAboutLandscape}) {
    const auto& items = Template(number).items;
    const auto picture = std::find_if(items.begin(), items.end(), [](const ItemTemplate& item) {
      return item.kind == ControlKind::Picture;
    });
    ASSERT_NE(picture, items.end()) << number;
    EXPECT_EQ(picture->resource, kBitmapAbout);
  }
}

}  // namespace
}  // namespace tallyfox
