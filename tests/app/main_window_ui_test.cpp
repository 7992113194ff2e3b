// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <QIcon>
#include <QLabel>
#include <QSettings>
#include <QTabBar>
#include <QTest>
#include <chrono>
#include <future>

#include "app/window_handover.h"
#include "app/zoom_setting.h"
#include "platform/widgets.h"
#include "res/about_ids.h"
#include "res/images.h"
#include "support/program_harness.h"
#include "support/test_files.h"

namespace tallyfox {
namespace {

using testing::Shown;
using namespace std::chrono_literals;
using MainWindowTest = testing::ProgramTest;

// Shown, and below the tab strip.
void ExpectOnlyPageShown(CTallyfoxDlg& window, int selected) {
  EXPECT_EQ(window.TabItem(kIdcTabControl).CurSel(), selected);
  const QRect strip = WidgetOf(window.Item(kIdcTabControl))->findChild<QTabBar*>()->geometry();
  for (int tab = 0; tab < 5; ++tab) {
    EXPECT_EQ(window.PageAt(tab).IsWindowVisible(), tab == selected) << tab;
    EXPECT_GT(WidgetOf(window.PageAt(tab))->y(), strip.bottom()) << tab;
  }
}

void PressKeys(const Dialog& window, const char* keys, Qt::KeyboardModifiers modifiers = {}) {
  QTest::keyClicks(WidgetOf(window)->focusWidget(), keys, modifiers);
}

int PriceWidth(CTallyfoxDlg& window) {
  return window.SalePage().Item(kIdcSaleFirstPrice).Rect().width;
}

// A calculator tab shown again shows the state in force, its first price ready.
TEST_F(MainWindowTest, StartsOnTheSalePageAndEachTabShowsExactlyItsPage) {
  RunProgram([](CTallyfoxDlg& window) {
    ExpectOnlyPageShown(window, 0);
    EXPECT_FALSE(WidgetOf(window)->windowIcon().isNull()) << "the program's icon";
    window.SalePage().SetItemText(kIdcStateButton, u"XX");
    for (const int tab : {1, 2, 3, 4, 0}) {
      testing::SelectTab(window, kIdcTabControl, tab);
      ExpectOnlyPageShown(window, tab);
    }
    EXPECT_EQ(Shown(window.SalePage(), kIdcStateButton), "CA");
    EXPECT_TRUE(testing::HasFocusWithAllSelected(window.SalePage(), kIdcSaleFirstPrice));
  });
}

// Escape would lose every typed row: only Ctrl+Q (or the close button) ends a run.
TEST_F(MainWindowTest, EscapeKeepsTheWindowOpenAndCtrlQQuits) {
  RunProgram([](CTallyfoxDlg& window) {
    testing::PressEscape(window);
    EXPECT_FALSE(window.HasEnded());
    PressKeys(window, "q", Qt::ControlModifier);
    EXPECT_TRUE(window.HasEnded());
  });
}

// Ctrl+Plus three times makes everything about 1.3 times as large, kept for
// the next start; Ctrl+0 gives back the normal size exactly.
TEST_F(MainWindowTest, ZoomKeysScaleTheWindowAndAreRemembered) {
  RunProgram([](CTallyfoxDlg& window) {
    QWidget* widget = WidgetOf(window);
    const QSize normal = widget->size();
    const int priceWidth = PriceWidth(window);
    for (int i = 0; i < 3; ++i) PressKeys(window, "+", Qt::ControlModifier);
    EXPECT_NEAR(widget->width() / double(normal.width()), 1.3, 0.1);
    EXPECT_NEAR(widget->height() / double(normal.height()), 1.3, 0.1);
    EXPECT_NEAR(PriceWidth(window) / double(priceWidth), 1.3, 0.15);
    EXPECT_EQ(LoadZoom(), 130);
    PressKeys(window, "0", Qt::ControlModifier);
    EXPECT_EQ(widget->size(), normal);
    EXPECT_EQ(LoadZoom(), 100);
  });
}

// A window made larger by hand draws its content larger, for this run only.
TEST_F(MainWindowTest, ContentFollowsAWindowResizedByHandWithoutSavingAZoom) {
  RunProgram([](CTallyfoxDlg& window) {
    PressKeys(window, "0", Qt::ControlModifier);
    QWidget* widget = WidgetOf(window);
    const int priceWidth = PriceWidth(window);
    widget->resize(widget->size() * 2);
    EXPECT_NEAR(PriceWidth(window) / double(priceWidth), 2.0, 0.2);
    EXPECT_EQ(LoadZoom(), 100);
    PressKeys(window, "0", Qt::ControlModifier);
  });
}

// A zoom key lays the pages out again without moving the focus: the digit
// typed next goes on after "12" in row 5, not over row 1's price.
TEST_F(MainWindowTest, TypingAfterAZoomKeyGoesOnWhereTheCaretWas) {
  RunProgram([](CTallyfoxDlg& window) {
    CDialogTab2& sale = window.SalePage();
    testing::TypeInto(sale, kSalePriceIds[0], u"19.99");
    testing::TypeInto(sale, kSalePriceIds[4], u"12");
    PressKeys(window, "=", Qt::ControlModifier);
    PressKeys(window, "3");
    testing::Click(sale, kIdcSaleCalc);
    EXPECT_EQ(Shown(sale, kSalePriceIds[0]), "19.99");
    EXPECT_EQ(Shown(sale, kIdcSaleTotal), "142.99");
    PressKeys(window, "0", Qt::ControlModifier);
  });
}

// Each zoom step draws the tab strip at the zoom: back at 100 % all five tabs
// fit across again.
TEST_F(MainWindowTest, TheTabStripFollowsTheZoom) {
  RunProgram([](CTallyfoxDlg& window) {
    auto* tabs = static_cast<TabControlWidget*>(WidgetOf(window.Item(kIdcTabControl)));
    PressKeys(window, "0", Qt::ControlModifier);
    const double normal = tabs->tabBar()->font().pointSizeF();
    for (int i = 0; i < 10; ++i) PressKeys(window, "+", Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(tabs->tabBar()->font().pointSizeF(), normal * 2);
    PressKeys(window, "0", Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(tabs->tabBar()->font().pointSizeF(), normal);
    EXPECT_LE(tabs->tabBar()->sizeHint().width(), tabs->width()) << "no scroll arrows";
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

// Only a whole number from 80 to 300 is a zoom; anything else is as if none
// were saved, and the screen decides.
TEST(ZoomSettingTest, OnlyAWholeNumberFrom80To300IsASetting) {
  QSettings settings(QStringLiteral("tallyfox"), QStringLiteral("tallyfox"));
  settings.remove(QStringLiteral("zoom"));
  const int fitted = LoadZoom();
  ASSERT_TRUE(fitted != 80 && fitted != 300) << "the screen's zoom " << fitted;
  const std::pair<const char*, int> rows[] = {{"79", fitted},  {"80", 80},        {"300", 300},
                                              {"301", fitted}, {"150.5", fitted}, {"abc", fitted},
                                              {"", fitted}};
  for (const auto& [stored, zoom] : rows) {
    settings.setValue(QStringLiteral("zoom"), QString::fromLatin1(stored));
    EXPECT_EQ(LoadZoom(), zoom) << '"' << stored << '"';
  }
  settings.remove(QStringLiteral("zoom"));
}

TEST_F(MainWindowTest, ATaxFileThatIsThereButCannotBeReadIsReported) {
  std::filesystem::remove(folder_.path() / "tax.ini");
  std::filesystem::create_directory(folder_.path() / "tax.ini");
  script_.ExpectMessage(u"Read tax file failed!");
  RunProgram([](CTallyfoxDlg& window) {
    EXPECT_EQ(Shown(window.SalePage(), kIdcStateButton), "...");
    EXPECT_EQ(WidgetOf(window.SalePage().Item(kIdcStateButton))->accessibleDescription(),
              QStringLiteral("No state chosen"));
  });
}

TEST_F(MainWindowTest, AboutPageLinksTheHomePage) {
  RunProgram([](CTallyfoxDlg& window) {
    auto* label = qobject_cast<QLabel*>(WidgetOf(window.PageAt(4).Item(kIdcInfoLine4)));
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(Shown(window.PageAt(4), kIdcInfoLine4), "github.com/tallyfox/tallyfox");
    EXPECT_TRUE(label->text().contains(R"(href="https://github.com/tallyfox/tallyfox")"));
    EXPECT_TRUE(label->openExternalLinks());
  });
}

TEST(PicturesTest, TheProgramIconComesForAUsualAndADoubleDensityScreen) {
  const QList<QSize> sizes = ImageIcon(kIconApplication).availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(48, 48))) << "usual";
  EXPECT_TRUE(sizes.contains(QSize(96, 96))) << "double density";
}

TEST(PicturesTest, HaveTwiceThePixelsOnAScreenOfTwiceTheDensity) {
  const QPixmap usual = ImagePixmap(kBitmapAbout, 1.0), dense = ImagePixmap(kBitmapAbout, 1.5);
  EXPECT_EQ(usual.size(), QSize(55, 62));
  EXPECT_EQ(dense.size(), QSize(110, 124));
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
      EXPECT_EQ(WidgetOf(window.SalePage().Item(kIdcStateButton))->accessibleDescription(),
                QStringLiteral("CA: 7.25 %, food 0 %"));
    };
    EXPECT_EQ(RunProgram(actions, screen), kIdOk) << "the close button ends the run";
  }
}

// A second start finds the running program under a name made of its
// folder's SHA-256, the same for every version, and is answered there.
TEST_F(MainWindowTest, TheRunningProgramAnswersASecondStartOnItsFolder) {
  const testing::TempFolder runtime;
  std::filesystem::permissions(runtime.path(), std::filesystem::perms::owner_all);
  const testing::ScopedEnvironment runtimeThere("XDG_RUNTIME_DIR", runtime.path());
  const WindowHandoverListener listener("/");
  EXPECT_TRUE(
      std::filesystem::exists(runtime.path() / "tallyfox-8a5edab282632443219e051e4ade2d1d"));
  std::future<bool> raised =
      std::async(std::launch::async, [] { return AskRunningProgramToRaise("/"); });
  while (raised.wait_for(10ms) != std::future_status::ready) QCoreApplication::processEvents();
  EXPECT_TRUE(raised.get());
}

}  // namespace
}  // namespace tallyfox
