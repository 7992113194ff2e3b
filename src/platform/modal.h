// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Modal runs, message boxes and the stack of active windows that cancel
// mode is sent to.

#include <string_view>
#include <vector>

#include "core/common/reporter.h"

namespace tallyfox {

class Dialog;

enum class MessageButtons { Ok, YesNo };
enum class MessageResult { Ok, Yes, No };

// A box titled "Tallyfox" over `owner` (or the active window when null).
MessageResult MessageBox(const Dialog* owner, std::u16string_view text,
                         MessageButtons buttons = MessageButtons::Ok);

// Hands domain messages to the user in message boxes.
class MessageBoxReporter : public Reporter {
 public:
  explicit MessageBoxReporter(const Dialog* owner = nullptr) : owner_(owner) {}
  void Report(std::u16string_view message) override { MessageBox(owner_, message); }

 private:
  const Dialog* owner_;
};

// The top-level window that has the user's attention: the innermost modal
// run, or none.
Dialog* ActiveDialog();

// For the widget side: the windows in their modal runs, innermost last.
std::vector<Dialog*>& ActiveStack();

// Tells the active window that something opens above it.
void SendCancelModeToActive();

}  // namespace tallyfox
