// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QByteArray>
#include <filesystem>
#include <string>
#include <vector>

#include "support/program_harness.h"

namespace tallyfox {
namespace {

using namespace testing;
using Names = std::vector<std::string>;

const std::u16string kAskDelete = u"Are you sure you want to delete selected item?";

class ShoplistPageTest : public ProgramTest {
 protected:
  static Names ShownLists(const CDialogTab4& page) {
    const ListBox& lists = page.ListBoxItem(kIdcShoplistListBox);
    Names names;
    for (int i = 0; i < lists.Count(); ++i) names.push_back(ToUtf8(lists.TextAt(i)));
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

  void DeleteChosen(CDialogTab4& page, std::u16string_view name, MessageResult answer) {
    ChooseEntry(page, kIdcShoplistListBox, name);
    script_.ExpectMessage(kAskDelete, answer);
    Click(page, kIdcShoplistDelete);
  }
};

// Letter case makes another name; the new list is the one chosen.
TEST_F(ShoplistPageTest, ANewListIsAnEmptyFileInItsSortedPlaceAndChosen) {
  StoreList(u"b", u"\uFEFF\n");
  RunPage([&](CDialogTab4& page) {
    AddList(page, [&](Dialog& add) { TryCreate(add, u"c"); });
    AddList(page, [&](Dialog& add) { TryCreate(add, u"B"); });
    EXPECT_EQ(ShownLists(page), (Names{"b", "B", "c"}));
    EXPECT_EQ(ToUtf8(page.ListBoxItem(kIdcShoplistListBox).Text()), "B") << "chosen";
    EXPECT_TRUE(IsEnabled(page, kIdcShoplistView));
  });
  EXPECT_EQ(FolderFiles(), (Names{"B.csv", "b.csv", "c.csv", "tax.ini"}));
  EXPECT_EQ(StoredList(u"c"), Utf16Le(u"\uFEFF\n")) << "c.csv";
}

// "Temp" is the name of the store's own scratch file.
TEST_F(ShoplistPageTest, NamesThatCannotBeListsAreRefusedAndNothingIsCreated) {
  StoreList(u"b", u"\uFEFF\n");
  RunPage([&](CDialogTab4& page) {
    AddList(page, [&](Dialog& add) {
      TryCreate(add, u"", u"Please input the List Name.");
      TryCreate(add, u"Temp", u"Failed to create shopping list.");
      TryCreate(add, u"b", u"List Name exists. Please input a different name.");
      EXPECT_TRUE(HasFocusWithAllSelected(add, kIdcAddListName));
      CloseWithCaptionOk(add);
    });
  });
  EXPECT_EQ(FolderFiles(), (Names{"b.csv", "tax.ini"}));
}

// The lists' folder and the Trash's share a file system, as a home folder does.
TEST_F(ShoplistPageTest, DeleteAsksFirstThenMovesTheFileToTheTrash) {
  for (const char16_t* name : {u"c", u"B", u"a"}) StoreList(name, u"\uFEFF\n");
  const TempFolder dataHome;
  const ScopedEnvironment trashThere("XDG_DATA_HOME", dataHome.path());
  RunPage([&](CDialogTab4& page) {
    DeleteChosen(page, u"B", MessageResult::No);
    EXPECT_TRUE(std::filesystem::exists(ListFile(u"B"))) << "after No";
    DeleteChosen(page, u"B", MessageResult::Yes);
    EXPECT_EQ(ShownLists(page), (Names{"a", "c"}));
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"B"))) << "after Yes";
    EXPECT_EQ(ReadBytes(dataHome.path() / "Trash/files/B.csv"), Utf16Le(u"\uFEFF\n"));
    EXPECT_TRUE(std::filesystem::exists(dataHome.path() / "Trash/info/B.csv.trashinfo"));
    EXPECT_FALSE(IsEnabled(page, kIdcShoplistView)) << "nothing chosen";
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
  const ScopedEnvironment noTrash("XDG_DATA_HOME", ListFile(u"c"));
  const TempFolder working;
  const ScopedWorkingFolder there(working.path());
  RunPage([&](CDialogTab4& page) {
    DeleteChosen(page, u"a", MessageResult::Yes);
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"a")));
    EXPECT_TRUE(std::filesystem::is_empty(working.path())) << "a Trash in the working folder";
    FailingOperation fault(FileOperation::Remove);
    ScopedFileFaults installed(fault);
    ChooseEntry(page, kIdcShoplistListBox, u"c");
    script_.ExpectMessage(kAskDelete, MessageResult::Yes);
    script_.ExpectMessage(u"Failed to delete shopping list file");
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), (Names{"c"})) << "kept when it cannot be removed";
  });
}

}  // namespace
}  // namespace tallyfox
