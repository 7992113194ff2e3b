// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>
#include <memory>
#include <string_view>

#include "core/common/progress.h"

class QProgressDialog;

namespace tallyfox {

class Dialog;

// A bar and "Cancel" over `owner`'s window for as long as this object lives,
// shown only when the task takes more than a moment. It blocks input to the
// window, so the task cannot be started twice.
class ProgressWindow : public Progress {
 public:
  ProgressWindow(const Dialog& owner, std::u16string_view text);
  ~ProgressWindow() override;
  ProgressWindow(const ProgressWindow&) = delete;
  ProgressWindow& operator=(const ProgressWindow&) = delete;

  void Show(std::int64_t done, std::int64_t total) override;
  void OnCancel(std::function<void()> cancel) override;

 private:
  std::unique_ptr<QProgressDialog> dialog_;
  std::function<void()> cancel_;
};

}  // namespace tallyfox
