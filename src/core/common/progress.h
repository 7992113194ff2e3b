// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>

namespace tallyfox {

// Where a long task shows how far it is: a window with a bar and "Cancel" in
// the program, nothing on the command line.
class Progress {
 public:
  virtual ~Progress() = default;
  // `total` is 0 while it is unknown.
  virtual void Show(std::int64_t done, std::int64_t total) = 0;
  // `cancel` is what stops the task when the user asks.
  virtual void OnCancel(std::function<void()> cancel) = 0;
};

class NoProgress : public Progress {
 public:
  void Show(std::int64_t, std::int64_t) override {}
  void OnCancel(std::function<void()>) override {}
};

}  // namespace tallyfox
