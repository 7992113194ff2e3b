// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/about_page.h"

#include <string>

#include "app/program_identity.h"

namespace tallyfox {

bool CDialogTab3::OnInitDialog() {
  Dialog::OnInitDialog();
  SetItemText(kIdcVersion, u"Tallyfox v " + std::u16string(kProgramVersion));
  StaticItem(kIdcInfoLine4).ShowAsLink(kHomePage);
  return true;
}

}  // namespace tallyfox
