// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_window.h"

#include "app/zoom_setting.h"
#include "core/tax/tax_file.h"
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
      tab1_(values_),
      tab2_(values_),
      tab4_(values_),
      tab5_(values_),
      tab1L_(values_),
      tab2L_(values_),
      tab4L_(values_),
      tab5L_(values_) {
  values_.runTaxSetup = RunTaxSetup;
  UseMessageMap(this, kMessageMap);
}

CDialogTab2& CTallyfoxDlg::SalePage() { return values_.isLandscape ? tab2L_ : tab2_; }
CDialogTab1& CTallyfoxDlg::DiscountPage() { return values_.isLandscape ? tab1L_ : tab1_; }

Dialog& CTallyfoxDlg::PageAt(int tab) {
  const bool landscape = values_.isLandscape;
  switch (tab) {
    case kSaleTab:
      return SalePage();
    case kDiscountTab:
      return DiscountPage();
    case kShoplistTab:
      return landscape ? static_cast<Dialog&>(tab4L_) : tab4_;
    case kConverterTab:
      return landscape ? static_cast<Dialog&>(tab5L_) : tab5_;
    case kAboutTab:
    default:  // a tab past the last is none the user can choose
      return landscape ? static_cast<Dialog&>(tab3L_) : tab3_;
  }
}

bool CTallyfoxDlg::OnInitDialog() {
  Dialog::OnInitDialog();
  SetIcon(kIconApplication);
  values_.appFolder = dataFolder_;
  MessageBoxReporter reporter(this);
  ReadTaxFile(values_.appFolder, values_.taxSetting, reporter);
  values_.exchangeRateFile = values_.appFolder / "exrate.dat";
  const int orientation = DisplayOrientation();
  TabControl& tabs = TabItem(kIdcTabControl);
  for (std::size_t i = 0; i < kTabCaptions.size(); ++i) {
    tabs.InsertItem(static_cast<int>(i), kTabCaptions[i]);
  }
  values_.isLandscape = IsLandscapeOrientation(orientation);
  // The window is built from the portrait template; the landscape pages are
  // shorter, and the window keeps no empty strip under them.
  SizeFromTemplate(values_.isLandscape ? kIddMainLandscape : kIddMainPortrait);
  CreatePages();
  PlacePages();
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
  }
}

// Every page fills the tab control below its strip at the page's full
// height, so the page's last 18 pixels fall outside and are cut.
void CTallyfoxDlg::PlacePages() {
  const PixelRect client = TabItem(kIdcTabControl).ClientRect();
  for (int tab = 0; tab < static_cast<int>(kTabCaptions.size()); ++tab) {
    Dialog& page = PageAt(tab);
    page.MoveWindow(
        PixelRect{Zoomed(2), Zoomed(22), client.width - Zoomed(4), client.height - Zoomed(4)});
    page.ShowWindow(false);
  }
}

void CTallyfoxDlg::OnSize(int, int) {
  const ScreenSize screen = PrimaryScreenSize();
  RelayoutFromTemplate(*this, screen.height > screen.width ? kIddMainPortrait : kIddMainLandscape);
}

// The main window is the program's only window: Escape would end the run
// and lose every typed row, so only the caption OK and Ctrl+Q end it.
void CTallyfoxDlg::OnCancel() {}

void CTallyfoxDlg::OnQuit() { OnOK(); }

// The window and its pages are laid out again where they stand, so nothing
// typed is lost; the zoom is kept for the next start.
void CTallyfoxDlg::OnZoomKey(int step) {
  SetZoom(step == 0 ? kNormalZoom : Zoom() + step * kZoomStep);
  SaveZoom(Zoom());
  const int layout = values_.isLandscape ? kIddMainLandscape : kIddMainPortrait;
  ApplyZoom();
  RelayoutFromTemplate(*this, layout);
  SizeFromTemplate(layout);
  for (int tab = kSaleTab; tab <= kAboutTab; ++tab) PageAt(tab).ApplyZoom();
  PlacePages();
  ShowPage(TabItem(kIdcTabControl).CurSel());
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
