#include "platform/accessible_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "common/text.h"
#include "res/calc_ids.h"
#include "res/converter_ids.h"
#include "res/dialog_template.h"
#include "res/shoplist_ids.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"

namespace tallyfox {
namespace {

// The name of the control `id` in template `number`, as UTF-8.
std::string NameOf(int number, int id) {
  const DialogTemplate* dialog = FindTemplate(number);
  if (dialog == nullptr) return "<no template>";
  const std::vector<std::u16string> names = AccessibleNames(dialog->items);
  for (std::size_t i = 0; i < dialog->items.size(); ++i) {
    if (dialog->items[i].id == id) return ToUtf8(names[i]);
  }
  return "<no control>";
}

TEST(AccessibleNamesTest, FieldsAreNamedByTheLabelAWindowShowsForThem) {
  struct Case {
    int number;
    int id;
    std::string name;
  };
  const Case cases[] = {
      // A column heading serves sixteen rows; each field says its row.
      {kIddSalePortrait, kSalePriceIds[0], "Price row 1"},
      {kIddSalePortrait, kSalePriceIds[2], "Price row 3"},
      {kIddSalePortrait, kSalePercentIds[2], "% row 3"},
      {kIddSalePortrait, kSaleQtyIds[2], "Qty row 3"},
      {kIddSalePortrait, kSaleResultIds[2], "Result row 3"},
      {kIddSalePortrait, kSalePriceIds[8], "Price row 9"},
      {kIddSaleLandscape, kSaleQtyIds[15], "Qty row 16"},
      // Labels to the left (portrait) and above (landscape).
      {kIddSalePortrait, kIdcSaleTax, "Tax"},
      {kIddSalePortrait, kIdcSaleTotal, "Total"},
      {kIddSaleLandscape, kIdcSaleTax, "Tax"},
      {kIddSaleLandscape, kIdcSaleTotal, "Total"},
      {kIddDiscountPortrait, kIdcDiscountPrice, "Price"},
      {kIddDiscountPortrait, kDiscountBoxIds[0], "5%"},
      {kIddDiscountLandscape, kDiscountBoxIds[15], "80%"},
      {kIddDiscountPortrait, kIdcDiscountCustomPercent, "Customize(%)"},
      {kIddDiscountPortrait, kIdcDiscountPriceWithTax, "Price with tax"},
      {kIddConverterPortrait, kIdcExchangeRateField, "Exchange rate"},
      {kIddConverterLandscape, kIdcFromUnitList, "From unit"},
      {kIddTaxSetup, kIdcStateList, "Choose your state (U.S.)"},
      {kIddTaxSetup, kIdcRateField, "Customize sales tax (%)"},
      {kIddItemEdit, kIdcItemEditCatalog, "Catalog"},
      {kIddItemEdit, kIdcItemEditQty, "Qty"},
      {kIddAddList, kIdcAddListName, "List Name"},
      // The title above the table is the list's name: the table names itself.
      {kIddShoppingListPortrait, kIdcShoppingListTable, "Items"},
      // Named for what it opens; it shows the state code.
      {kIddSalePortrait, kIdcStateButton, "Tax Setup"},
      // Captions speak for themselves, as shown at the time.
      {kIddSalePortrait, kIdcSaleCalc, ""},
      {kIddTaxSetup, kIdcChooseState, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.number) + "/" + std::to_string(c.id));
    EXPECT_EQ(NameOf(c.number, c.id), c.name);
  }
}

// So that a template added later cannot leave a control nameless.
TEST(AccessibleNamesTest, EveryControlOfEveryTemplateHasANameOrACaption) {
  for (const DialogTemplate* dialog : AllTemplates()) {
    const std::vector<std::u16string> names = AccessibleNames(dialog->items);
    ASSERT_EQ(names.size(), dialog->items.size());
    for (std::size_t i = 0; i < names.size(); ++i) {
      const ItemTemplate& item = dialog->items[i];
      SCOPED_TRACE(std::to_string(dialog->number) + "/" + std::to_string(i));
      EXPECT_TRUE(!names[i].empty() || !SpokenCaption(item.caption).empty());
    }
    std::vector<std::u16string> given;
    for (const std::u16string& name : names) {
      if (!name.empty()) given.push_back(name);
    }
    std::sort(given.begin(), given.end());
    EXPECT_TRUE(std::adjacent_find(given.begin(), given.end()) == given.end())
        << "template " << dialog->number << " gives two controls one name";
  }
}

TEST(AccessibleNamesTest, OnlyALabelCloseBesideOrHeadingTheColumnCounts) {
  using enum ControlKind;
  const auto label = [](std::u16string_view text, DuRect rect) {
    return ItemTemplate{.kind = StaticText, .caption = text, .rect = rect};
  };
  const auto edit = [](int id, DuRect rect) {
    return ItemTemplate{.id = id, .kind = Edit, .caption = {}, .rect = rect};
  };
  const auto with = [](ItemTemplate item, auto change) {
    change(item);
    return item;
  };
  struct Case {
    const char* what;
    std::vector<ItemTemplate> items;
    std::string name;  // of the last item
  };
  const Case cases[] = {
      {"beside", {label(u"&Name:", {0, 2, 20, 8}), edit(1, {22, 0, 40, 12})}, "Name"},
      {"too far to the left", {label(u"Name", {0, 2, 20, 8}), edit(1, {40, 0, 40, 12})}, ""},
      {"to the right", {label(u"Name", {50, 2, 20, 8}), edit(1, {0, 0, 40, 12})}, ""},
      {"on another row", {label(u"Name", {0, 20, 20, 8}), edit(1, {22, 0, 40, 12})}, ""},
      {"the nearer of two",
       {label(u"Far", {0, 2, 10, 8}), label(u"Near", {11, 2, 10, 8}), edit(1, {22, 0, 40, 12})},
       "Near"},
      {"heading", {label(u"Qty", {10, 0, 20, 8}), edit(1, {10, 40, 20, 12})}, "Qty"},
      {"heading out of line", {label(u"Qty", {10, 0, 20, 8}), edit(1, {20, 40, 20, 12})}, ""},
      {"the nearer heading",
       {label(u"Top", {10, 0, 20, 8}), label(u"Lower", {10, 20, 20, 8}), edit(1, {10, 40, 20, 12})},
       "Lower"},
      {"a hidden label",
       {with(label(u"Name", {0, 2, 20, 8}), [](ItemTemplate& i) { i.style = kHidden; }),
        edit(1, {22, 0, 40, 12})},
       ""},
      {"a field's own name first",
       {label(u"Name", {0, 2, 20, 8}),
        with(edit(1, {22, 0, 40, 12}), [](ItemTemplate& i) { i.accessibleName = u"Own"; })},
       "Own"},
      {"a shared heading counts rows in template order",
       {label(u"Qty", {10, 0, 20, 8}), edit(1, {10, 10, 20, 12}), edit(2, {10, 24, 20, 12})},
       "Qty row 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ToUtf8(AccessibleNames(c.items).back()), c.name);
  }
}

TEST(AccessibleNamesTest, CaptionsAreSpokenWithoutTheirMarkers) {
  struct Case {
    std::u16string_view caption;
    std::string spoken;
  };
  const Case cases[] = {
      {u"Set && Save", "Set & Save"},
      {u"&Customize", "Customize"},
      {u"Exchange rate:", "Exchange rate"},
      {u"A&", "A&"},
      {u"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(ToUtf8(c.caption));
    EXPECT_EQ(ToUtf8(SpokenCaption(c.caption)), c.spoken);
  }
}

}  // namespace
}  // namespace tallyfox
