// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/about_page.h"

namespace tallyfox {

bool CDialogTab3::OnInitDialog() {
  Dialog::OnInitDialog();
  SetItemText(kIdcVersion, kVersionLine);
  return true;
}

}  // namespace tallyfox
