// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Shopping List": the items of one list with tick boxes, the list's tax and
// total. Items are added, changed and deleted in the file at once; ticks are
// saved together when something opens above the dialog or it closes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/program_values.h"
#include "core/shoplist/list_store.h"
#include "core/shoplist/list_text.h"
#include "platform/dialog.h"
#include "platform/tax_controls.h"
#include "res/shoplist_ids.h"
#include "shoplist/item_edit_dialog.h"
#include "shoplist/shoplist_state.h"

namespace tallyfox {

class CDlgShopList : public Dialog, public ItemEditOwner {
 public:
  CDlgShopList(ProgramValues& values, ShoplistState& state,
               int templateNumber = kIddShoppingListPortrait);

  // Set before each run: "View" opens the list for ticking only.
  void SetViewOnly(bool viewOnly) { viewOnly_ = viewOnly; }

  // For the Item Edit dialog, which appends items while it runs.
  bool HasItemNamed(std::u16string_view name) const override;
  std::vector<std::u16string> CatalogsInUse() const override;
  void ItemAppended(const ListItem& item) override;

 protected:
  bool OnInitDialog() override;
  void OnOK() override;
  void OnCancel() override;
  void OnCancelMode() override;

 private:
  void OnAdd();
  void OnDelete();
  void OnChangeItem();
  void OnStateButton();
  void OnWithTax();
  void OnRowChanged(Notification& notification);
  void OnDrawRows(Notification& notification);
  void OnUntickAll();
  void OnUndoDelete();

  void SetUpTable();
  void SetUpExportMenu();
  ListSheet ShownSheet() const;
  std::optional<ListRates> ShownRates() const;
  ListRates RatesInForce();
  void ExplainTotals(const ListTax& tax, const ListRates& rates);
  void AppendRow(const ListItem& item);
  void InsertRow(int row, const ListItem& item);
  void ShowTotals();
  void LoadItems();
  void SetRowTexts(int row, const ListItem& item);
  ListItem RowItem(int row) const;
  std::vector<ListItem> RowItems() const;
  std::vector<int> TickedPositions() const;
  void SaveTicks();
  void EnableRowButtons(bool enable);
  ListStore Store(Reporter& reporter) const { return ListStore(values_.appFolder, reporter); }
  ListView& Table() const { return ListViewItem(kIdcShoppingListTable); }

  static const MessageEntry<CDlgShopList> kMessageMap[];

  ProgramValues& values_;
  ShoplistState& state_;
  CDlgItemEdit itemEdit_;
  TaxControls taxControls_;
  bool viewOnly_ = false;
  double subtotal_ = 0;
  bool ticksChanged_ = false;
  // Ticks set by the window itself: the totals follow once, at the end.
  bool ticksInBulk_ = false;
  struct DeletedItem {
    int position;
    ListItem item;
  };
  std::vector<DeletedItem> deleted_;  // for Ctrl+Z, until the window closes
};

class CDlgShopListL : public CDlgShopList {
 public:
  CDlgShopListL(ProgramValues& values, ShoplistState& state)
      : CDlgShopList(values, state, kIddShoppingListLandscape) {}
};

}  // namespace tallyfox
