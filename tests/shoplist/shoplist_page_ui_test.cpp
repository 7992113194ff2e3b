#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "shoplist_fixture.h"

namespace tallyfox {
namespace {

using testing::Click;
using testing::CloseWithCaptionOk;
using testing::HasFocusWithAllSelected;
using testing::IsEnabled;
using testing::TypeInto;

constexpr int kListButtons[] = {kIdcShoplistDelete, kIdcShoplistEdit, kIdcShoplistView};
const std::string kNewListBytes("\xFF\xFE\x0A\x00", 4);

class ShoplistPageTest : public testing::ShoplistTest {
 protected:
  std::vector<std::string> ShownLists(const CDialogTab4& page) const {
    const ListBox& lists = page.ListBoxItem(kIdcShoplistListBox);
    std::vector<std::string> names;
    for (int i = 0; i < lists.Count(); ++i) names.push_back(ToUtf8(lists.TextAt(i)));
    return names;
  }

  // "New", then `actions` on the Add List dialog.
  void AddList(CDialogTab4& page, const std::function<void(Dialog&)>& actions) {
    script_.ExpectDialog(kIddAddList, actions);
    Click(page, kIdcShoplistNew);
  }

  void CreateThroughAddList(CDialogTab4& page, std::u16string_view name) {
    AddList(page, [&](Dialog& add) {
      TypeInto(add, kIdcAddListName, name);
      Click(add, kIdcAddListCreate);
      EXPECT_TRUE(add.HasEnded());
    });
  }

  void ExpectListButtons(const CDialogTab4& page, bool enabled) const {
    for (int id : kListButtons) EXPECT_EQ(IsEnabled(page, id), enabled) << id;
  }
};

TEST_F(ShoplistPageTest, NewListsAreEmptyFilesShownInSortedOrder) {
  RunPage([&](CDialogTab4& page) {
    EXPECT_TRUE(ShownLists(page).empty());
    ExpectListButtons(page, false);
    for (const char16_t* name : {u"b", u"a", u"c"}) CreateThroughAddList(page, name);
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"a", "b", "c"}));
    ExpectListButtons(page, false);
  });
  for (const char16_t* name : {u"a", u"b", u"c"}) EXPECT_EQ(StoredList(name), kNewListBytes);
}

TEST_F(ShoplistPageTest, CreatingAnExistingNameIsRefusedWithTheTextSelected) {
  RunPage([&](CDialogTab4& page) {
    CreateThroughAddList(page, u"milk");
    AddList(page, [&](Dialog& add) {
      TypeInto(add, kIdcAddListName, u"milk");
      script_.ExpectMessage(u"List Name exists. Please input a different name.");
      Click(add, kIdcAddListCreate);
      EXPECT_FALSE(add.HasEnded());
      EXPECT_TRUE(HasFocusWithAllSelected(add, kIdcAddListName));
      // Letter case makes another name, and this file system keeps both.
      TypeInto(add, kIdcAddListName, u"Milk");
      Click(add, kIdcAddListCreate);
      EXPECT_TRUE(add.HasEnded());
    });
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"milk", "Milk"}));
  });
  EXPECT_EQ(StoredList(u"Milk"), kNewListBytes);
}

TEST_F(ShoplistPageTest, AddListRefusesWhatItCannotCreateAndStaysOpen) {
  const struct {
    const char* label;
    std::u16string name;
    std::u16string message;
  } cases[] = {
      {"empty", u"", u"Please input the List Name."},
      {"a folder in the name", u"../milk", u"Failed to create shopping list."},
      {"the scratch file", u"Temp", u"Failed to create shopping list."},
      {"trailing dot", u"milk.", u"Failed to create shopping list."},
  };
  RunPage([&](CDialogTab4& page) {
    AddList(page, [&](Dialog& add) {
      for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        TypeInto(add, kIdcAddListName, c.name);
        script_.ExpectMessage(c.message);
        Click(add, kIdcAddListCreate);
        EXPECT_FALSE(add.HasEnded());
        EXPECT_EQ(testing::Shown(add, kIdcAddListName), ToUtf8(c.name));
      }
      Click(add, kIdcAddListCancel);
    });
    EXPECT_TRUE(ShownLists(page).empty());
  });
  EXPECT_EQ(FolderFiles(), std::vector<std::string>{"tax.ini"});
}

TEST_F(ShoplistPageTest, ClosingAddListWithoutCreateMakesNothing) {
  RunPage([&](CDialogTab4& page) {
    AddList(page, [&](Dialog& add) {
      TypeInto(add, kIdcAddListName, u"milk");
      CloseWithCaptionOk(add);
    });
    AddList(page, [&](Dialog& add) {
      TypeInto(add, kIdcAddListName, u"tea");
      Click(add, kIdcAddListCancel);
    });
    EXPECT_TRUE(ShownLists(page).empty());
  });
  EXPECT_FALSE(std::filesystem::exists(ListFile(u"milk")));
  EXPECT_FALSE(std::filesystem::exists(ListFile(u"tea")));
}

TEST_F(ShoplistPageTest, DeleteAsksFirstAndThenRemovesFileAndEntry) {
  for (const char16_t* name : {u"c", u"B", u"a"}) StoreList(name, u"\uFEFF\n");
  RunPage([&](CDialogTab4& page) {
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"a", "B", "c"}));
    ExpectListButtons(page, false);
    testing::ChooseEntry(page, kIdcShoplistListBox, u"B");
    ExpectListButtons(page, true);
    script_.ExpectMessage(u"Are you sure you want to delete selected item?", MessageResult::No);
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"a", "B", "c"}));
    EXPECT_TRUE(std::filesystem::exists(ListFile(u"B")));

    script_.ExpectMessage(u"Are you sure you want to delete selected item?", MessageResult::Yes);
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"a", "c"}));
    EXPECT_FALSE(std::filesystem::exists(ListFile(u"B")));
    ExpectListButtons(page, false);
    EXPECT_EQ(page.ListBoxItem(kIdcShoplistListBox).CurSel(), -1);

    // Gone behind the program's back: the entry stays and the user is told.
    std::filesystem::remove(ListFile(u"c"));
    testing::ChooseEntry(page, kIdcShoplistListBox, u"c");
    script_.ExpectMessage(u"Are you sure you want to delete selected item?", MessageResult::Yes);
    script_.ExpectMessage(u"Failed to delete shopping list file");
    Click(page, kIdcShoplistDelete);
    EXPECT_EQ(ShownLists(page), (std::vector<std::string>{"a", "c"}));
  });
}

}  // namespace
}  // namespace tallyfox
