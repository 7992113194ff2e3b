// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: a tab control over five pages, built for the portrait or
// the landscape screen as the display stands at start-up.

#include <array>
#include <filesystem>

#include "app/about_page.h"
#include "calc/discount_page.h"
#include "calc/sale_page.h"
#include "converter/converter_page.h"
#include "core/program_values.h"
#include "platform/dialog.h"
#include "shoplist/shoplist_page.h"

namespace tallyfox {

class CTallyfoxDlg : public Dialog {
 public:
  // Over `dataFolder`, found, locked and cleared by the caller.
  explicit CTallyfoxDlg(std::filesystem::path dataFolder);

  const ProgramValues& values() const { return values_; }
  // The page under each tab (0 "Sale" to 4 "About") of the set in use.
  Dialog& PageAt(int tab);
  CDialogTab2& SalePage();
  CDialogTab1& DiscountPage();

 protected:
  bool OnInitDialog() override;
  void OnSize(int width, int height) override;
  void OnCancel() override;
  void OnQuit() override;
  void OnZoomKey(int step) override;
  void OnResizedFromOutside(int width, int height) override;

 private:
  void OnTabSelChange(Notification& notification);
  void ShowCalculatorPage(CalculatorPage& page);
  void ShowPage(int tab);
  void CreatePages();
  void PlacePages();
  int MainLayout() const;
  void LayOutAtZoom();

  static const MessageEntry<CTallyfoxDlg> kMessageMap[];

  std::filesystem::path dataFolder_;
  // The program-wide values come first: every page holds a reference to them.
  ProgramValues values_;
  CDialogTab1 discountPortrait_;
  CDialogTab2 salePortrait_;
  CDialogTab3 aboutPortrait_;
  CDialogTab4 shoplistPortrait_;
  CDialogTab5 converterPortrait_;
  CDialogTab1L discountLandscape_;
  CDialogTab2L saleLandscape_;
  CDialogTab3L aboutLandscape_;
  CDialogTab4L shoplistLandscape_;
  CDialogTab5L converterLandscape_;
};

}  // namespace tallyfox
