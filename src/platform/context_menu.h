// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Context menus on controls: right click, the Menu key and Shift+F10 open
// them, as desktop users expect.

#include <functional>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace tallyfox {

class Dialog;

struct MenuCommand {
  std::u16string text;
  std::function<void()> run;
  bool onCopyKey = false;  // Ctrl+C runs it too, and the menu says so
  // Keys that run it anywhere in the control's window ("Ctrl+Shift+U"),
  // shown beside it in the menu.
  std::u16string keys = {};
};

// Replaces any menu the control had, so a window may attach it at every opening.
// An edit keeps its own commands (Undo, Cut, Copy, Paste ...) above these.
void SetContextMenu(Control& control, std::vector<MenuCommand> commands);

// `run` on F5 (the desktop's Refresh key) while `window` shows in the active
// top-level window.
void SetRefreshKey(Dialog& window, std::function<void()> run);

}  // namespace tallyfox
