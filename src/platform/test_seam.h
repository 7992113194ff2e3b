// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The one object a test installs to stand in for the user and the screen:
// it answers message boxes and drives modal runs from a script of
// expectations, in order, and sets the display and the executable's path.
// For tests (and the picture renderer) only.

#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/modal.h"

namespace tallyfox {

class Dialog;

struct ScreenGeometry {
  int width = 0;
  int height = 0;
  int orientation = 0;  // degrees
};

class UiScript {
 public:
  using DialogActions = std::function<void(Dialog&)>;

  UiScript();
  ~UiScript();
  UiScript(const UiScript&) = delete;
  UiScript& operator=(const UiScript&) = delete;

  // The next message box must show `text`; it is answered with `answer`.
  UiScript& ExpectMessage(std::u16string text, MessageResult answer = MessageResult::Ok);
  // The next modal run must be of template `templateNumber`. After the
  // window's initialisation `actions` act on it as a user would; the run
  // gives what they end it with. A run they leave open fails the test.
  UiScript& ExpectDialog(int templateNumber, DialogActions actions);

  void SetScreen(ScreenGeometry screen) { screen_ = screen; }
  void SetModulePath(std::filesystem::path path) { modulePath_ = std::move(path); }

  // Every message-box text shown so far, in order.
  const std::vector<std::u16string>& messages() const { return messages_; }
  // What went against the script, with expectations that never came.
  std::vector<std::string> Failures() const;
  bool AllMet() const { return expectations_.empty(); }

  // Used by the platform.
  static UiScript* Installed();
  MessageResult AnswerMessage(std::u16string_view text);
  void RunModal(Dialog& dialog);
  const std::optional<ScreenGeometry>& screen() const { return screen_; }
  const std::optional<std::filesystem::path>& modulePath() const { return modulePath_; }

 private:
  struct Expectation {
    bool isDialog = false;
    std::u16string text;
    MessageResult answer = MessageResult::Ok;
    int templateNumber = 0;
    DialogActions actions;
  };

  std::deque<Expectation> expectations_;
  std::vector<std::u16string> messages_;
  std::vector<std::string> failures_;
  std::optional<ScreenGeometry> screen_;
  std::optional<std::filesystem::path> modulePath_;
  UiScript* previous_ = nullptr;
};

}  // namespace tallyfox
