// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tallyfox {

// Brings the program's windows in front of every other, restored when
// minimised, with the innermost one (a dialog or message box open over the
// main window, else the main window) asking for the keyboard.
void BringForward();

}  // namespace tallyfox
