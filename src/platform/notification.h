// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a control tells its dialog, and the answers a dialog can give back.

#include <cstdint>

namespace tallyfox {

enum class Notify {
  Clicked,      // button, check box, radio button
  SelChange,    // drop-down list, list box, tab control: the user chose another entry
  TextChange,   // edit: the user typed or pasted (text set by code notifies nothing)
  ItemChanged,  // list view: a row's state changed
  CustomDraw,   // list view: a drawing stage is about to run
};

// List-view row states, as a list view reports them to its window.
inline constexpr std::uint32_t kRowFocused = 0x0001;
inline constexpr std::uint32_t kRowSelected = 0x0002;
inline constexpr std::uint32_t kRowTickMask = 0xF000;
inline constexpr std::uint32_t kRowUnticked = 0x1000;
inline constexpr std::uint32_t kRowTicked = 0x2000;

// Custom-draw stages and answers.
inline constexpr std::uint32_t kDrawPrePaint = 0x0001;
inline constexpr std::uint32_t kDrawItemPrePaint = 0x10001;
inline constexpr int kDrawDoDefault = 0x00;
inline constexpr int kDrawNotifyItemDraw = 0x20;

struct Rgb {
  int red = 255;
  int green = 255;
  int blue = 255;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Notification {
  int id = 0;
  Notify code = Notify::Clicked;
  // ItemChanged: the row and its state before and after.
  int item = -1;
  std::uint32_t oldState = 0;
  std::uint32_t newState = 0;
  // CustomDraw: the stage, the row being drawn and its text background.
  std::uint32_t drawStage = 0;
  Rgb textBackground;
  bool crossedOut = false;  // the row's text struck through and dimmed
  // The handler's answer (custom draw; 0 elsewhere).
  int result = 0;
};

}  // namespace tallyfox
