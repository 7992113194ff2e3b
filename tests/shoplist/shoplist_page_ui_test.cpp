// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;

const std::u16string kAskDelete = u"Are you sure you want to delete selected item?";

class ShoplistPageTest : public ProgramTest {
 protected:
  // The names shown, each followed by a space.
  static std::string ShownLists(const CDialogTab4& page) {
    const ListBox& lists = page.ListBoxItem(kIdcShoplistListBox);
    std::string names;
    for (int i = 0; i < lists.Count(); ++i) names += ToUtf8(lists.TextAt(i)) + " ";
    return names;
  }

  // Types `name` and presses Create, expecting `message` (none: the list is made).
  void TryCreate(Dialog& add, std::u16string_view name, std::u16string message = {}) {
    TypeInto(add, kIdcAddListName, name);
    if (!message.empty()) script_.ExpectMessage(message);
    Click(add, kIdcAddListCreate);
    EXPECT_EQ(add.HasEnded(), message.empty()) << ToUtf8(name);
  }

  void AddList(CDialogTab4& page, const std::function<void(Dialog&)>& actions) {
    script_.ExpectDialog(kIddAddList, actions);
    Click(page, kIdcShoplistNew);
  }
};

TEST_F(ShoplistPageTest, NewListsAreEmptyFilesInTheirSortedPlaceAndBadNamesAreRefused) {
  StoreList(u"b", u"\uFEFF\n");
  RunPage([&](CDialogTab4& page) {
    AddList(page, [&](Dialog& add) { TryCreate(add, u"c"); });
    AddList(page, [&](Dialog& add) {
      TryCreate(add, u"", u"Please input the List Name.");
      TryCreate(add, u"Temp", u"Failed to create shopping list.");
      TryCreate(add, u"b", u"List Name exists. Please input a different name.");
      EXPECT_TRUE(HasFocusWithAllSelected(add, kIdcAddListName));
      CloseWithCaptionOk(add);  // creates nothing
    });
    AddList(page, [&](Dialog& add) { TryCreate(add, u"B"); });  // letter case makes another name
    EXPECT_EQ(ShownLists(page), "b B c ");
    EXPECT_EQ(ToUtf8(page.ListBoxItem(kIdcShoplistListBox).Text()), "B") << "the new list, chosen";
    EXPECT_TRUE(IsEnabled(page, kIdcShoplistView));
  });
  EXPECT_EQ(FolderFiles(), (std::vector<std::string>{"B.csv", "b.csv", "c.csv", "tax.ini"}));
}

TEST_F(ShoplistPageTest, DeleteAsksFirstThenRemovesFileAndEntry) {
  for (const char16_t* name : {u"c", u"B", u"a"}) StoreList(name, u"\uFEFF\n");
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"B");
    script_.ExpectMessage(kAskDelete, MessageResult::No);
    Click(page, kIdcShoplistDelete);
    EXPECT_TRUE(std::filesystem::exists(ListFile(u"B")));
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), "a c ");
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"B")));
    EXPECT_FALSE(IsEnabled(page, kIdcShoplistView));

    // A file that cannot be removed keeps its entry.
    ChooseEntry(page, kIdcShoplistListBox, u"c");
    FailingOperation fault(FileOperation::Remove);
    ScopedFileFaults installed(fault);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    script_.ExpectMessage(u"Failed to delete shopping list file");
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), "a c ");
  });
}

}  // namespace
}  // namespace tallyfox
