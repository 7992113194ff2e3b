// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a screen reader is told of the program's own widgets where Qt's own
// account would mislead it: a page inside the tab control is a panel, not a
// dialog, and a read-only box is not editable.

namespace tallyfox {

// Safe to call again: the accounts are installed once.
void InstallAccessibleAccounts();

}  // namespace tallyfox
