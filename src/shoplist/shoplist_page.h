// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The "Shoplist" page: the names of all shopping lists, to create, delete,
// change ("Edit") or only look at and tick off ("View").

#include <memory>
#include <optional>

#include "core/program_values.h"
#include "core/shoplist/list_text.h"
#include "platform/dialog.h"
#include "res/shoplist_ids.h"
#include "shoplist/shoplist_state.h"
#include "shoplist/shopping_list_dialog.h"

namespace tallyfox {

class CDialogTab4 : public Dialog {
 public:
  explicit CDialogTab4(ProgramValues& values);

 protected:
  using ShopListFactory = std::unique_ptr<CDlgShopList> (*)(ProgramValues&, ShoplistState&);
  CDialogTab4(ProgramValues& values, int templateNumber, ShopListFactory makeShopList);

  bool OnInitDialog() override;

 private:
  void OnSelChange();
  void OnNew();
  void OnDelete();
  void OnEdit();
  void OnView();
  void OpenSelectedList(bool viewOnly);
  void EnableListButtons(bool enable);
  void SetUpExportMenu();
  std::optional<ListSheet> SelectedSheet();

  static const MessageEntry<CDialogTab4> kMessageMap[];

  ProgramValues& values_;
  ShoplistState state_;
  std::unique_ptr<CDlgShopList> shopList_;
};

class CDialogTab4L : public CDialogTab4 {
 public:
  explicit CDialogTab4L(ProgramValues& values);
};

}  // namespace tallyfox
