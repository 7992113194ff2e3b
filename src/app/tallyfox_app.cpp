// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tallyfox_app.h"

#include "app/main_window.h"

namespace tallyfox {

int CTallyfoxApp::Run(const std::filesystem::path& dataFolder) {
  CTallyfoxDlg mainWindow(dataFolder);
  mainWindow.DoModal();
  return 0;
}

}  // namespace tallyfox
