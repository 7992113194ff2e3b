// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "About" page: the program's picture, name and version.

#include "platform/dialog.h"
#include "res/about_ids.h"

namespace tallyfox {

class CDialogTab3 : public Dialog {
 public:
  explicit CDialogTab3(int templateNumber = kIddAboutPortrait) : Dialog(templateNumber) {}

 protected:
  bool OnInitDialog() override;
};

class CDialogTab3L : public CDialogTab3 {
 public:
  CDialogTab3L() : CDialogTab3(kIddAboutLandscape) {}
};

}  // namespace tallyfox
