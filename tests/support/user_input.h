// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Acts on a window's controls the way a user would, through the same Qt
// signals that real input makes: by control id, never by coordinates.

#include <functional>
#include <string>
#include <string_view>

#include "platform/dialog.h"
#include "platform/test_seam.h"

namespace tallyfox::testing {

void Click(const Dialog& dialog, int id);
// Types into an edit, or a drop-down list that takes typing, after selecting
// all it holds, so the typing replaces it.
void TypeInto(const Dialog& dialog, int id, std::u16string_view text);
void ChooseEntry(const Dialog& dialog, int id, int index);
void ChooseEntry(const Dialog& dialog, int id, std::u16string_view text);
void SelectTab(const Dialog& dialog, int id, int index);
void SelectRow(const Dialog& dialog, int listViewId, int row);
void ToggleTick(const Dialog& dialog, int listViewId, int row);
// Closes the window with its title bar's close button, which our windows take
// as OK: what the user typed is taken and checked before the window ends.
void CloseWithCaptionOk(const Dialog& dialog);
// A mouse click into the middle of an edit.
void ClickInto(const Dialog& dialog, int id);
// Keys as Qt names them ("Return", "Alt+A", "Tab"), to the control that has
// the focus in the dialog's window; a button that Alt presses is let go.
void PressKeys(const Dialog& dialog, std::u16string_view keys);
void PressEscape(const Dialog& dialog);

// Adds a test failure for everything that went against the script.
void ExpectScriptMet(const UiScript& script);

// Runs `dialog` modally under a script of its own: `actions` act on it as the
// user once it is initialised, and it ends with OK when they leave it open.
// Anything that goes against that script fails the test. Gives the run's result.
int RunModally(Dialog& dialog, const std::function<void()>& actions);

// Runs `page` as the main window holds it, but alone: inside the tab control of
// a host window, so no other page's start-up gets in the way. The expectations
// `actions` add to `script` come after the host's own.
void RunHosted(UiScript& script, Dialog& page, const std::function<void()>& actions);

}  // namespace tallyfox::testing
