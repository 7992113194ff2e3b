#include <gtest/gtest.h>

#include <QLineEdit>
#include <QWidget>
#include <array>
#include <functional>
#include <string>

#include "app/main_window.h"
#include "platform/test_seam.h"
#include "res/about_ids.h"
#include "res/calc_ids.h"
#include "res/main_ids.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

using testing::SelectTab;

constexpr ScreenGeometry kPortrait{480, 640, 0};
constexpr ScreenGeometry kLandscape{640, 480, 90};
constexpr int kTabCount = 5;
constexpr std::array<std::u16string_view, kTabCount> kTabCaptions = {
    u"Sale", u"Discount", u"Shoplist", u"Converter", u"About"};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override { script_.SetModulePath(folder_.path() / "tallyfox"); }
  void TearDown() override { testing::ExpectScriptMet(script_); }

  void StoreStateCa() const {
    folder_.WriteBytes("tax.ini", {0x43, 0x00, 0x41, 0x00, 0, 0, 0, 0, 0, 0, 0, 0});
  }

  // Starts the program on `screen`; `actions` act on the running main window,
  // which the caption OK button then closes unless they ended the run.
  int Run(ScreenGeometry screen, const std::function<void(CTallyfoxDlg&)>& actions) {
    script_.SetScreen(screen);
    CTallyfoxDlg window;
    script_.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
      actions(window);
      if (!window.HasEnded()) testing::CloseWithCaptionOk(window);
    });
    return window.DoModal();
  }

  testing::TempFolder folder_;
  UiScript script_;
};

// The tabs whose pages are visible.
std::vector<int> VisiblePages(CTallyfoxDlg& window) {
  std::vector<int> visible;
  for (int tab = 0; tab < kTabCount; ++tab) {
    if (window.PageAt(tab).IsWindowVisible()) visible.push_back(tab);
  }
  return visible;
}

// Focus as the page's window keeps it; an offscreen window need not be active.
bool HasFocusWithAllSelected(const Dialog& page, int id) {
  auto* edit = static_cast<QLineEdit*>(page.Item(id).widget());
  return edit->window()->focusWidget() == edit && edit->selectedText() == edit->text();
}

TEST_F(MainWindowTest, StartsOnTheSalePageWithRowsResetAndNoTaxFile) {
  script_.ExpectMessage(u"Read tax file failed!");
  Run(kPortrait, [](CTallyfoxDlg& window) {
    EXPECT_TRUE(window.WindowTitle() == u"Tallyfox");
    const TabControl& tabs = window.TabItem(kIdcTabControl);
    ASSERT_EQ(tabs.ItemCount(), kTabCount);
    for (int tab = 0; tab < kTabCount; ++tab) EXPECT_TRUE(tabs.ItemText(tab) == kTabCaptions[tab]);
    EXPECT_EQ(tabs.CurSel(), 0);
    EXPECT_EQ(VisiblePages(window), std::vector<int>{0});

    const CDialogTab2& sale = window.SalePage();
    for (std::size_t row = 0; row < kSalePriceIds.size(); ++row) {
      SCOPED_TRACE(row);
      EXPECT_TRUE(sale.ItemText(kSalePriceIds[row]) == u"0");
      EXPECT_TRUE(sale.ItemText(kSalePercentIds[row]) == u"0");
      EXPECT_TRUE(sale.ItemText(kSaleQtyIds[row]) == u"1");
      EXPECT_TRUE(sale.ItemText(kSaleResultIds[row]) == u"0.00");
    }
    EXPECT_TRUE(sale.ItemText(kIdcSaleTax).empty());
    EXPECT_TRUE(sale.ItemText(kIdcSaleTotal).empty());
    for (int tab : {0, 1}) {
      SCOPED_TRACE(tab);
      EXPECT_TRUE(window.PageAt(tab).ItemText(kIdcStateButton) == u"...");
      EXPECT_FALSE(window.PageAt(tab).Item(kIdcFood).IsEnabled());
    }
  });
  EXPECT_EQ(script_.messages().size(), 1u);
}

// Also: the stored state shows on both calculator pages of either set, silently.
TEST_F(MainWindowTest, OrientationAtStartChoosesThePageSet) {
  StoreStateCa();
  constexpr std::array<int, kTabCount> kPortraitPages = {130, 129, 137, 143, 131};
  constexpr std::array<int, kTabCount> kLandscapePages = {134, 133, 141, 144, 135};
  struct Case {
    ScreenGeometry screen;
    bool landscape;
  };
  for (const Case& c : {Case{kPortrait, false}, Case{kLandscape, true},
                        Case{{480, 640, 180}, false}, Case{{640, 480, 270}, true}}) {
    SCOPED_TRACE(c.screen.orientation);
    Run(c.screen, [&](CTallyfoxDlg& window) {
      EXPECT_EQ(window.values().isLandscape, c.landscape);
      for (int tab = 0; tab < kTabCount; ++tab) {
        Dialog& page = window.PageAt(tab);
        EXPECT_EQ(page.templateNumber(), (c.landscape ? kLandscapePages : kPortraitPages)[tab]);
        EXPECT_TRUE(page.HasWindow());
      }
      for (int tab : {0, 1}) EXPECT_TRUE(window.PageAt(tab).ItemText(kIdcStateButton) == u"CA");
    });
  }
  EXPECT_TRUE(script_.messages().empty());
}

TEST_F(MainWindowTest, ScreenShapeLaysOutTheTabControlAndPagesFillIt) {
  StoreStateCa();
  struct Case {
    ScreenGeometry screen;
    int layout;
  };
  for (const Case& c : {Case{kPortrait, kIddMainPortrait}, Case{{600, 600, 90}, kIddMainLandscape},
                        Case{kLandscape, kIddMainLandscape}}) {
    SCOPED_TRACE(std::to_string(c.screen.width) + "x" + std::to_string(c.screen.height));
    Run(c.screen, [&](CTallyfoxDlg& window) {
      const TabControl& tabs = window.TabItem(kIdcTabControl);
      EXPECT_EQ(tabs.Rect(), window.MapDialogRect(FindTemplate(c.layout)->items[0].rect));
      const PixelRect client = tabs.ClientRect();
      for (int tab = 0; tab < kTabCount; ++tab) {
        EXPECT_EQ(window.PageAt(tab).WindowRect(),
                  (PixelRect{2, 22, client.width - 4, client.height - 4}));
      }
    });
  }
}

TEST_F(MainWindowTest, EachTabShowsExactlyItsPageAndPagesKeepTheirText) {
  StoreStateCa();
  for (const ScreenGeometry& screen : {kPortrait, kLandscape}) {
    SCOPED_TRACE(screen.orientation);
    Run(screen, [](CTallyfoxDlg& window) {
      testing::TypeInto(window.SalePage(), kIdcSaleFirstPrice, u"12.5");
      for (const int tab : {1, 2, 3, 4, 0, 3, 1, 0}) {
        SCOPED_TRACE(tab);
        SelectTab(window, kIdcTabControl, tab);
        EXPECT_EQ(window.TabItem(kIdcTabControl).CurSel(), tab);
        EXPECT_EQ(VisiblePages(window), std::vector<int>{tab});
      }
      EXPECT_TRUE(window.SalePage().ItemText(kIdcSaleFirstPrice) == u"12.5");
    });
  }
}

TEST_F(MainWindowTest, CalculatorTabsRefreshTheStateButtonAndFocusTheFirstPrice) {
  StoreStateCa();
  Run(kPortrait, [](CTallyfoxDlg& window) {
    CDialogTab2& sale = window.SalePage();
    CDialogTab1& discount = window.DiscountPage();
    testing::TypeInto(sale, kIdcSaleFirstPrice, u"4.99");
    testing::TypeInto(discount, kIdcDiscountPrice, u"20");
    sale.SetItemText(kIdcStateButton, u"XX");
    discount.SetItemText(kIdcStateButton, u"XX");

    SelectTab(window, kIdcTabControl, 1);
    EXPECT_TRUE(discount.ItemText(kIdcStateButton) == u"CA");
    EXPECT_TRUE(sale.ItemText(kIdcStateButton) == u"XX") << "a hidden page is left alone";
    EXPECT_TRUE(HasFocusWithAllSelected(discount, kIdcDiscountPrice));

    SelectTab(window, kIdcTabControl, 2);
    SelectTab(window, kIdcTabControl, 0);
    EXPECT_TRUE(sale.ItemText(kIdcStateButton) == u"CA");
    EXPECT_TRUE(HasFocusWithAllSelected(sale, kIdcSaleFirstPrice));
    EXPECT_TRUE(sale.ItemText(kIdcSaleFirstPrice) == u"4.99");
  });
}

TEST_F(MainWindowTest, AboutPageShowsTheVersionAndPlacesThePicture) {
  StoreStateCa();
  for (const ScreenGeometry& screen : {kPortrait, kLandscape}) {
    SCOPED_TRACE(screen.orientation);
    Run(screen, [&](CTallyfoxDlg& window) {
      SelectTab(window, kIdcTabControl, 4);
      const Dialog& about = window.PageAt(4);
      ASSERT_TRUE(about.IsWindowVisible());
      EXPECT_TRUE(about.ItemText(kIdcVersion) == u"Tallyfox for PPC v 2.3.0");
      const PixelRect version = about.Item(kIdcVersion).Rect();
      const PixelRect picture = about.Item(kIdcStatic).Rect();  // the first item without id
      ASSERT_EQ(about.Item(kIdcStatic).kind(), ControlKind::Picture);
      EXPECT_GT(picture.width, 0);
      if (screen.orientation == 90) {
        EXPECT_LE(picture.x + picture.width, version.x) << "left of the text";
      } else {
        EXPECT_LE(picture.y + picture.height, version.y) << "above the text";
      }
    });
  }
}

TEST_F(MainWindowTest, EscapeOrCaptionCloseEndsTheRun) {
  StoreStateCa();
  using Close = void (*)(const Dialog&);
  for (const auto& [close, result] : {std::pair<Close, int>{testing::PressEscape, kIdCancel},
                                      std::pair<Close, int>{testing::CloseWithCaptionOk, kIdOk}}) {
    SCOPED_TRACE(result);
    bool ended = false;
    const auto act = [&ended, close = close](CTallyfoxDlg& window) {
      close(window);
      ended = window.HasEnded();  // before the fixture's own close
    };
    EXPECT_EQ(Run(kPortrait, act), result);
    EXPECT_TRUE(ended);
  }
}

}  // namespace
}  // namespace tallyfox
