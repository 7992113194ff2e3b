// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QByteArray>
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

// The lists' folder and the Trash's share a file system, as a home folder does.
class ScopedDataHome {
 public:
  explicit ScopedDataHome(const std::filesystem::path& folder) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.string()));
  }
  ~ScopedDataHome() { qunsetenv("XDG_DATA_HOME"); }
};

TEST_F(ShoplistPageTest, DeleteAsksFirstThenMovesTheFileToTheTrash) {
  for (const char16_t* name : {u"c", u"B", u"a"}) StoreList(name, u"\uFEFF\n");
  const TempFolder dataHome;
  const ScopedDataHome trashThere(dataHome.path());
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"B");
    script_.ExpectMessage(kAskDelete, MessageResult::No);
    Click(page, kIdcShoplistDelete);
    EXPECT_TRUE(std::filesystem::exists(ListFile(u"B")));
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), "a c ");
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"B")));
    EXPECT_EQ(ReadBytes(dataHome.path() / "Trash/files/B.csv"), Utf16Le(u"\uFEFF\n"));
    EXPECT_TRUE(std::filesystem::exists(dataHome.path() / "Trash/info/B.csv.trashinfo"));
    EXPECT_FALSE(IsEnabled(page, kIdcShoplistView));
  });
}

// Runs in a folder of its own, which nothing may be left in.
class ScopedWorkingFolder {
 public:
  explicit ScopedWorkingFolder(const std::filesystem::path& folder) {
    std::filesystem::current_path(folder);
  }
  ~ScopedWorkingFolder() { std::filesystem::current_path(before_); }

 private:
  std::filesystem::path before_ = std::filesystem::current_path();
};

// A data home that is a file holds no Trash.
TEST_F(ShoplistPageTest, WithoutATrashDeleteRemovesTheFileOrSaysItCannot) {
  for (const char16_t* name : {u"c", u"a"}) StoreList(name, u"\uFEFF\n");
  const ScopedDataHome noTrash(ListFile(u"c"));
  const TempFolder working;
  const ScopedWorkingFolder there(working.path());
  RunPage([&](CDialogTab4& page) {
    ChooseEntry(page, kIdcShoplistListBox, u"a");
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    Click(page, kIdcShoplistDelete);
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"a")));
    EXPECT_TRUE(std::filesystem::is_empty(working.path())) << "a Trash in the working folder";
    ChooseEntry(page, kIdcShoplistListBox, u"c");
    FailingOperation fault(FileOperation::Remove);
    ScopedFileFaults installed(fault);
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    script_.ExpectMessage(u"Failed to delete shopping list file");
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), "c ");
  });
}

}  // namespace
}  // namespace tallyfox
