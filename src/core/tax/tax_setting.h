// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace tallyfox {

// Which sales tax applies: no state chosen yet ("..."), a two-letter state
// code, or "S." for the rate the user typed.
struct TaxSetting {
  std::u16string stateCode = u"...";
  std::u16string customRateText = u"0";
};

}  // namespace tallyfox
