// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace tallyfox {

// Underlines the buttons' Alt letters only while Alt is held, as Windows and
// KDE do, so that the windows look as they always did until the user asks.
// Installs itself once over the application's style; later calls do nothing.
void ShowMnemonicsWhileAltHeld();

// Whether the letters show now.
bool MnemonicsShown();

}  // namespace tallyfox
