// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Add List": names a new shopping list and creates its file.

#include <string>

#include "core/program_values.h"
#include "platform/dialog.h"
#include "shoplist/shoplist_state.h"

namespace tallyfox {

class CDlgAddList : public Dialog {
 public:
  CDlgAddList(ProgramValues& values, ShoplistState& state);

  // Set only when "Create" made the list named in the state's current name.
  bool created() const { return created_; }

 protected:
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnCreate();
  void OnCancelClicked();

  static const MessageEntry<CDlgAddList> kMessageMap[];

  ProgramValues& values_;
  ShoplistState& state_;
  std::u16string name_;
  bool created_ = false;
};

}  // namespace tallyfox
