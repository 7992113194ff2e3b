// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"

#include <algorithm>

#include "app/zoom_setting.h"
#include "core/files/data_folder.h"
#include "core/tax/tax_file.h"
#include "platform/dialog_units.h"
#include "platform/display.h"
#include "platform/modal.h"
#include "platform/relayout.h"
#include "platform/zoom.h"
#include "res/images.h"
#include "res/main_ids.h"
#include "tax/tax_setup_dialog.h"

namespace tallyfox {
namespace {

constexpr std::array<std::u16string_view, 5> kTabCaptions = {u"Sale", u"Discount", u"Shoplist",
                                                             u"Converter", u"About"};
constexpr int kSaleTab = 0;
constexpr int kDiscountTab = 1;
constexpr int kShoplistTab = 2;
constexpr int kConverterTab = 3;
constexpr int kAboutTab = 4;

// Only a quarter turn shows the landscape set; anything else counts as upright.
bool IsLandscapeOrientation(int degrees) { return degrees == 90 || degrees == 270; }

}  // namespace

const MessageEntry<CTallyfoxDlg> CTallyfoxDlg::kMessageMap[] = {
    {kIdcTabControl, Notify::SelChange, &CTallyfoxDlg::OnTabSelChange},
};

CTallyfoxDlg::CTallyfoxDlg(std::filesystem::path dataFolder)
    : Dialog(kIddMainPortrait),
      dataFolder_(std::move(dataFolder)),
      discountPortrait_(values_),
      salePortrait_(values_),
      shoplistPortrait_(values_),
      converterPortrait_(values_),
      discountLandscape_(values_),
      saleLandscape_(values_),
      shoplistLandscape_(values_),
      converterLandscape_(values_) {
  values_.runTaxSetup = RunTaxSetup;
  UseMessageMap(this, kMessageMap);
}

CDialogTab2& CTallyfoxDlg::SalePage() {
  return values_.isLandscape ? saleLandscape_ : salePortrait_;
}
CDialogTab1& CTallyfoxDlg::DiscountPage() {
  return values_.isLandscape ? discountLandscape_ : discountPortrait_;
}

Dialog& CTallyfoxDlg::PageAt(int tab) {
  const bool landscape = values_.isLandscape;
  switch (tab) {
    case kSaleTab:
      return SalePage();
    case kDiscountTab:
      return DiscountPage();
    case kShoplistTab:
      return landscape ? static_cast<Dialog&>(shoplistLandscape_) : shoplistPortrait_;
    case kConverterTab:
      return landscape ? static_cast<Dialog&>(converterLandscape_) : converterPortrait_;
    case kAboutTab:
    default:  // a tab past the last is none the user can choose
      return landscape ? static_cast<Dialog&>(aboutLandscape_) : aboutPortrait_;
  }
}

bool CTallyfoxDlg::OnInitDialog() {
  Dialog::OnInitDialog();
  SetIcon(kIconApplication);
  values_.appFolder = dataFolder_;
  MessageBoxReporter reporter(this);
  ReadTaxFile(values_.appFolder, values_.taxSetting, reporter);
  values_.exchangeRateFile = values_.appFolder / kRateFileName;
  const int orientation = DisplayOrientation();
  TabControl& tabs = TabItem(kIdcTabControl);
  for (std::size_t i = 0; i < kTabCaptions.size(); ++i) {
    tabs.InsertItem(static_cast<int>(i), kTabCaptions[i]);
  }
  values_.isLandscape = IsLandscapeOrientation(orientation);
  // The window is built from the portrait template; the landscape pages are
  // shorter, and the window keeps no empty strip under them.
  SizeFromTemplate(MainLayout());
  CreatePages();
  PlacePages();
  for (int tab = kSaleTab; tab <= kAboutTab; ++tab) PageAt(tab).ShowWindow(false);
  SalePage().ResetRows();
  // As selecting its tab does: each page took the focus while it was created,
  // so the last one created, hidden, would keep it.
  ShowCalculatorPage(SalePage());
  return false;
}

void CTallyfoxDlg::CreatePages() {
  Control& tabs = Item(kIdcTabControl);
  for (int tab : {kDiscountTab, kSaleTab, kShoplistTab, kConverterTab, kAboutTab}) {
    PageAt(tab).Create(tabs);
    PageAt(tab).SetAccessibleName(kTabCaptions[tab]);
  }
}

// Every page fills the tab control below its strip at the page's full
// height, so the page's last 18 pixels fall outside and are cut.
void CTallyfoxDlg::PlacePages() {
  const PixelRect client = TabItem(kIdcTabControl).ClientRect();
  for (int tab = 0; tab < static_cast<int>(kTabCaptions.size()); ++tab) {
    PageAt(tab).MoveWindow(
        PixelRect{Zoomed(2), Zoomed(22), client.width - Zoomed(4), client.height - Zoomed(4)});
  }
}

void CTallyfoxDlg::OnSize(int, int) {
  const ScreenSize screen = PrimaryScreenSize();
  RelayoutFromTemplate(*this, screen.height > screen.width ? kIddMainPortrait : kIddMainLandscape);
}

// The content follows the window: drawn as large as fits, for this run only.
void CTallyfoxDlg::OnResizedFromOutside(int width, int height) {
  if (!PageAt(kSaleTab).HasWindow()) return;  // the pages are not built yet
  const DialogTemplate* layout = FindTemplate(MainLayout());
  if (layout == nullptr) return;
  SetZoom(ZoomToFit(*layout, width, height, kLargestDrawnZoom));
  LayOutAtZoom();
}

// The main window is the program's only window: Escape would end the run
// and lose every typed row, so only the caption OK and Ctrl+Q end it.
void CTallyfoxDlg::OnCancel() {}

void CTallyfoxDlg::OnQuit() { OnOK(); }

int CTallyfoxDlg::MainLayout() const {
  return values_.isLandscape ? kIddMainLandscape : kIddMainPortrait;
}

// The window and its pages are laid out again where they stand, so nothing
// typed is lost and the focus, caret and selection stay; the zoom is kept for
// the next start.
void CTallyfoxDlg::OnZoomKey(int step) {
  // A window drawn past the largest zoom by hand stays as large as it is.
  const int stepped =
      std::clamp(Zoom() + step * kZoomStep, kSmallestZoom, std::max(kLargestZoom, Zoom()));
  SetZoom(step == 0 ? kNormalZoom : stepped);
  SaveZoom(std::min(Zoom(), kLargestZoom));
  LayOutAtZoom();
  FitWindowToContent();
}

void CTallyfoxDlg::LayOutAtZoom() {
  ApplyZoom();
  RelayoutFromTemplate(*this, MainLayout());
  SizeFromTemplate(MainLayout());
  for (int tab = kSaleTab; tab <= kAboutTab; ++tab) PageAt(tab).ApplyZoom();
  PlacePages();
}

void CTallyfoxDlg::ShowCalculatorPage(CalculatorPage& page) {
  page.ShowStateCode();
  page.ShowWindow(true);
  page.FocusFirstPrice();
}

void CTallyfoxDlg::OnTabSelChange(Notification& notification) {
  for (int tab = 0; tab < static_cast<int>(kTabCaptions.size()); ++tab) {
    PageAt(tab).ShowWindow(false);
  }
  ShowPage(TabItem(kIdcTabControl).CurSel());
  notification.result = 0;
}

void CTallyfoxDlg::ShowPage(int tab) {
  if (tab == kSaleTab) {
    ShowCalculatorPage(SalePage());
  } else if (tab == kDiscountTab) {
    ShowCalculatorPage(DiscountPage());
  } else if (tab >= kShoplistTab && tab <= kAboutTab) {
    PageAt(tab).ShowWindow(true);
  }
}

}  // namespace tallyfox
