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
