// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace tallyfox {

// Where domain code sends the errors the user must see: message boxes in the
// program, a recording list in tests.
class Reporter {
 public:
  virtual ~Reporter() = default;
  virtual void Report(std::u16string_view message) = 0;
};

}  // namespace tallyfox
