#include <gtest/gtest.h>

#include "platform/dialog.h"
#include "platform/relayout.h"
#include "res/about_ids.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_setup_ids.h"
#include "support/modal_run.h"

namespace tallyfox {
namespace {

PixelRect TemplateRectOf(const Dialog& window, int templateNumber, int id) {
  for (const ItemTemplate& item : FindTemplate(templateNumber)->items) {
    if (item.id == id) return window.MapDialogRect(item.rect);
  }
  ADD_FAILURE() << "template " << templateNumber << " has no item " << id;
  return {};
}

TEST(RelayoutTest, MovesTheMainWindowsTabControlBetweenItsTemplates) {
  Dialog window(kIddMainPortrait);
  testing::RunModally(window, [&] {
    const Control& tabs = window.Item(kIdcTabControl);
    for (const int layout : {kIddMainLandscape, kIddMainPortrait}) {
      SCOPED_TRACE(layout);
      EXPECT_TRUE(RelayoutFromTemplate(window, layout));
      EXPECT_EQ(tabs.Rect(), TemplateRectOf(window, layout, kIdcTabControl));
    }
    EXPECT_NE(TemplateRectOf(window, kIddMainLandscape, kIdcTabControl),
              TemplateRectOf(window, kIddMainPortrait, kIdcTabControl));
  });
}

TEST(RelayoutTest, FailsWhereAnItemCannotBeFoundByItsId) {
  struct Case {
    const char* name;
    int built;
    int layout;
    bool result;
  };
  const Case cases[] = {
      {"controls the window lacks", kIddMainPortrait, kIddTaxSetup, false},
      {"no such template", kIddMainPortrait, 999, false},
      // Every item without an id finds the window's first one.
      {"two items without id", kIddTaxSetup, kIddTaxSetup, false},
      {"six items without id", kIddAboutPortrait, kIddAboutPortrait, false},
      {"one item without id", kIddAddList, kIddAddList, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Dialog window(c.built);
    testing::RunModally(window,
                        [&] { EXPECT_EQ(RelayoutFromTemplate(window, c.layout), c.result); });
  }
  Dialog closed(kIddMainPortrait);
  EXPECT_FALSE(RelayoutFromTemplate(closed, kIddMainLandscape)) << "a window not yet built";
}

TEST(RelayoutTest, RestoresTheTemplatesCaptions) {
  Dialog window(kIddAddList);
  testing::RunModally(window, [&] {
    window.SetItemText(kIdcAddListCreate, u"Changed");
    window.Item(kIdcAddListCreate).Move({0, 0, 1, 1});
    ASSERT_TRUE(RelayoutFromTemplate(window, kIddAddList));
    EXPECT_TRUE(window.ItemText(kIdcAddListCreate) == u"Create");
    EXPECT_EQ(window.Item(kIdcAddListCreate).Rect(),
              TemplateRectOf(window, kIddAddList, kIdcAddListCreate));
  });
}

}  // namespace
}  // namespace tallyfox
