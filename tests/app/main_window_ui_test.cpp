// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QIcon>
#include <QLabel>
#include <QTest>

#include "app/zoom_setting.h"
#include "platform/widgets.h"
#include "res/about_ids.h"
#include "res/images.h"
#include "support/program_harness.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using testing::Shown;

class MainWindowTest : public testing::ProgramTest {
 protected:
  // Runs the program on `screen`; the caption OK closes it after `actions`.
  int Run(ScreenGeometry screen, const std::function<void(CTallyfoxDlg&)>& actions) {
    script_.SetScreen(screen);
    CTallyfoxDlg window(folder_.path());
    script_.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
      actions(window);
      if (!window.HasEnded()) testing::CloseWithCaptionOk(window);
    });
    return window.DoModal();
  }
};

void ExpectOnlyPageShown(CTallyfoxDlg& window, int selected) {
  EXPECT_EQ(window.TabItem(kIdcTabControl).CurSel(), selected);
  for (int tab = 0; tab < 5; ++tab) {
    EXPECT_EQ(window.PageAt(tab).IsWindowVisible(), tab == selected) << tab;
  }
}

void PressKeys(const Dialog& window, const char* keys, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClicks(WidgetOf(window)->focusWidget(), keys, modifiers);
}

// Calculator tabs show the state in force; the icon suits a double-density screen.
// A price can be typed at once; Escape loses nothing, Ctrl+Q quits.
TEST_F(MainWindowTest, StartsOnTheSalePageAndEachTabShowsExactlyItsPage) {
  std::filesystem::remove(folder_.path() / "tax.ini");
  script_.ExpectMessage(u"Read tax file failed!");
  Run(testing::kPortrait, [](CTallyfoxDlg& window) {
    ExpectOnlyPageShown(window, 0);
    EXPECT_EQ(Shown(window.SalePage(), kSaleQtyIds[15]), "1") << "rows reset at start";
    PressKeys(window, "12");
    EXPECT_EQ(Shown(window.SalePage(), kIdcSaleFirstPrice), "12");
    const QList<QSize> sizes = WidgetOf(window)->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(48, 48)) && sizes.contains(QSize(96, 96)));
    window.SalePage().SetItemText(kIdcStateButton, u"XX");
    for (const int tab : {1, 2, 3, 4, 0}) {
      testing::SelectTab(window, kIdcTabControl, tab);
      ExpectOnlyPageShown(window, tab);
    }
    EXPECT_TRUE(testing::HasFocusWithAllSelected(window.SalePage(), kIdcSaleFirstPrice));
    EXPECT_EQ(Shown(window.SalePage(), kIdcStateButton), "...");
    EXPECT_EQ(Shown(window.PageAt(4), kIdcVersion), "Tallyfox v 2.3.0");
    testing::PressEscape(window);
    EXPECT_FALSE(window.HasEnded());
    PressKeys(window, "q", Qt::ControlModifier);
    EXPECT_TRUE(window.HasEnded());
  });
}

// A picture keeps its size on the page and takes the pixels of a denser screen.
// Ctrl+Plus three times makes everything about 1.3 times as large, kept for
// the next start; Ctrl+0 gives back the normal size exactly.
TEST_F(MainWindowTest, ZoomKeysScaleTheWindowAndAreRemembered) {
  Run(testing::kPortrait, [](CTallyfoxDlg& window) {
    QWidget* widget = WidgetOf(window);
    const QSize normal = widget->size();
    const int priceWidth = window.SalePage().Item(kIdcSaleFirstPrice).Rect().width;
    for (int i = 0; i < 3; ++i) PressKeys(window, "+", Qt::ControlModifier);
    EXPECT_NEAR(widget->width() / double(normal.width()), 1.3, 0.1);
    EXPECT_NEAR(widget->height() / double(normal.height()), 1.3, 0.1);
    EXPECT_NEAR(window.SalePage().Item(kIdcSaleFirstPrice).Rect().width / double(priceWidth), 1.3,
                0.15);
    EXPECT_EQ(LoadZoom(), 130);
    PressKeys(window, "0", Qt::ControlModifier);
    EXPECT_EQ(widget->size(), normal);
    EXPECT_EQ(LoadZoom(), 100);
  });
}

// Earlier versions kept the zoom in ~/.config/tallyfox/tallyfox.conf; it is read from there.
TEST(ZoomSettingTest, ReadsTheZoomWhereEarlierVersionsKeptIt) {
  const std::filesystem::path file =
      std::filesystem::path(std::getenv("XDG_CONFIG_HOME")) / "tallyfox/tallyfox.conf";
  std::filesystem::create_directories(file.parent_path());
  testing::WriteBytes(file, "[General]\nzoom=80\n");
  EXPECT_EQ(LoadZoom(), 80);
  std::filesystem::remove(file);
}

// The home page's address opens in the browser, clicked or reached with Tab.
TEST_F(MainWindowTest, AboutPageLinksTheHomePage) {
  Run(testing::kPortrait, [](CTallyfoxDlg& window) {
    auto* label = qobject_cast<QLabel*>(WidgetOf(window.PageAt(4).Item(kIdcInfoLine4)));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(Shown(window.PageAt(4), kIdcInfoLine4), "github.com/tallyfox/tallyfox");
    EXPECT_TRUE(label->text().contains(R"(href="https://github.com/tallyfox/tallyfox")"));
    EXPECT_TRUE(label->openExternalLinks());
    EXPECT_TRUE(label->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(label->textInteractionFlags() & Qt::LinksAccessibleByKeyboard);
  });
}

TEST(PicturesTest, HaveTwiceThePixelsOnAScreenOfTwiceTheDensity) {
  const QPixmap usual = ImagePixmap(kBitmapAbout, 1.0), dense = ImagePixmap(kBitmapAbout, 1.5);
  EXPECT_EQ(usual.size(), QSize(55, 62));
  EXPECT_EQ(dense.size(), usual.size() * 2);
  EXPECT_EQ(dense.deviceIndependentSize(), usual.deviceIndependentSize());
}

// A quarter turn gives the short pages; either way they show the stored state.
TEST_F(MainWindowTest, OrientationAtStartChoosesThePageSet) {
  for (const ScreenGeometry screen :
       {testing::kPortrait, testing::kLandscape, ScreenGeometry{480, 640, 180},
        ScreenGeometry{600, 600, 270}}) {
    const bool turned = screen.orientation % 180 == 90;
    const auto actions = [&](CTallyfoxDlg& window) {
      for (int tab = 0; tab < 5; ++tab) {  // short enough for 480 pixels, or not
        EXPECT_EQ(window.PageAt(tab).dialogTemplate().cy < 120, turned) << tab;
      }
      const PixelRect tabs = window.Item(kIdcTabControl).Rect();  // no empty strip below
      EXPECT_LT(window.WindowRect().height - tabs.y - tabs.height, 8) << screen.orientation;
      EXPECT_EQ(Shown(window.SalePage(), kIdcStateButton), "CA") << screen.orientation;
    };
    EXPECT_EQ(Run(screen, actions), kIdOk) << "the caption OK ends the run";
  }
}

}  // namespace
}  // namespace tallyfox
