#include <gtest/gtest.h>

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include "app/main_window.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "res/images.h"
#include "res/main_ids.h"
#include "support/temp_folder.h"
#include "support/user_input.h"

namespace tallyfox {
namespace {

// A picture keeps its size on the page and gets the pixels of a denser screen.
TEST(HighDensityTest, PicturesHaveTwiceThePixelsOnAScreenOfTwiceTheDensity) {
  struct Case {
    int resource;
    QSize size;
  };
  for (const Case& c : {Case{kBitmapAbout, {55, 62}}, Case{kIconApplication, {48, 48}}}) {
    SCOPED_TRACE(c.resource);
    const QPixmap usual = ImagePixmap(c.resource, 1.0);
    EXPECT_EQ(usual.size(), c.size);
    EXPECT_EQ(usual.deviceIndependentSize().toSize(), c.size);
    for (const double ratio : {1.5, 2.0, 3.0}) {
      const QPixmap dense = ImagePixmap(c.resource, ratio);
      EXPECT_EQ(dense.size(), c.size * 2) << ratio;
      EXPECT_EQ(dense.deviceIndependentSize().toSize(), c.size) << ratio;
    }
  }
  EXPECT_TRUE(ImagePixmap(0, 2.0).isNull());
}

TEST(HighDensityTest, TheWindowIconComesInBothSizes) {
  testing::TempFolder folder;
  UiScript script;
  script.SetModulePath(folder.path() / "tallyfox");
  script.SetScreen({480, 640, 0});
  script.ExpectMessage(u"Read tax file failed!");
  CTallyfoxDlg window;
  script.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
    const QList<QSize> sizes = window.widget()->windowIcon().availableSizes();
    EXPECT_TRUE(sizes.contains(QSize(48, 48)));
    EXPECT_TRUE(sizes.contains(QSize(96, 96)));
    testing::CloseWithCaptionOk(window);
  });
  window.DoModal();
  testing::ExpectScriptMet(script);
}

}  // namespace
}  // namespace tallyfox
