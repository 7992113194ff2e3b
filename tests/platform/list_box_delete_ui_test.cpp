#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "res/shoplist_ids.h"
#include "support/modal_run.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

TEST(ListBoxTest, DeletingTheSelectedEntryLeavesNoSelection) {
  Dialog page(kIddShoplistPortrait);
  testing::RunModally(page, [&] {
    ListBox& names = page.ListBoxItem(kIdcShoplistListBox);
    for (std::u16string_view name : {u"a", u"b", u"c"}) names.AddString(name);
    testing::ChooseEntry(page, kIdcShoplistListBox, u"b");
    names.DeleteString(2);
    EXPECT_EQ(names.CurSel(), 1) << "another entry's going keeps the selection";
    names.DeleteString(1);
    EXPECT_EQ(names.CurSel(), -1);
    EXPECT_EQ(names.Count(), 1);
  });
}

}  // namespace
}  // namespace tallyfox
