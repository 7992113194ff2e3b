// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program-wide values: set once at start-up by the main window, which
// owns them and hands them by reference to every page and dialog, so that
// every window family reaches them through the core alone.

#include <filesystem>
#include <functional>

#include "core/tax/tax_setting.h"

namespace tallyfox {

struct ProgramValues {
  std::filesystem::path appFolder;
  TaxSetting taxSetting;
  std::filesystem::path exchangeRateFile;
  bool isLandscape = false;
  // Opens Tax Setup for a window's state button: true when it ended with OK.
  // The main window gives it, so that the windows that show the tax need not
  // know the Tax Setup dialog.
  std::function<bool(ProgramValues&)> runTaxSetup;
};

}  // namespace tallyfox
