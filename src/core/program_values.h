#pragma once

// The program-wide values: set once at start-up by the main window, which
// owns them and hands them by reference to every page and dialog. They live
// here because every window family builds on the tax layer.

#include <filesystem>

#include "core/tax/tax_setting.h"

namespace tallyfox {

struct ProgramValues {
  std::filesystem::path appFolder;
  TaxSetting taxSetting;
  std::filesystem::path exchangeRateFile;
  bool isLandscape = false;
};

}  // namespace tallyfox
