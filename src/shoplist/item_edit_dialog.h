// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Item Edit": adds items to the open list (each saved item is appended to
// the file at once) or corrects the quantity and unit price of one item,
// which its owner then writes.

#include <string>
#include <string_view>
#include <vector>

#include "core/program_values.h"
#include "platform/dialog.h"
#include "shoplist/shoplist_state.h"

namespace tallyfox {

// What Item Edit needs of the window it runs over: the names it already shows
// (a new item may not take one), the catalogs its items have, and word of
// each item as it is appended to the list's file.
class ItemEditOwner {
 public:
  virtual bool HasItemNamed(std::u16string_view name) const = 0;
  virtual std::vector<std::u16string> CatalogsInUse() const = 0;
  virtual void ItemAppended(const ListItem& item) = 0;

 protected:
  ~ItemEditOwner() = default;
};

class CDlgItemEdit : public Dialog {
 public:
  enum class Mode { NewItem, Change };

  CDlgItemEdit(ProgramValues& values, ShoplistState& state, ItemEditOwner& owner);

  // Set by the owner before each run.
  void SetMode(Mode mode) { mode_ = mode; }
  // Set when "Save && Exit" saved; the owner reads and clears it.
  bool savedReport() const { return savedReport_; }
  void ClearSavedReport() { savedReport_ = false; }

 protected:
  bool OnInitDialog() override;
  void DoDataExchange(DataExchange& dx) override;

 private:
  void OnSaveAndExit();
  void OnSaveAndNew();

  void ShowItemToChange();
  void OfferCatalogs();
  void SelectCatalog(std::u16string_view catalog);
  void ClearForm();
  // Each shows its message and leaves the dialog as it is when it fails.
  bool ReadFields();
  bool NewWordsFit(const ListItem& item);
  bool QuantityFits(const ListItem& item);
  bool NameIsNew();
  bool TakeLinePrice();
  bool AppendToList();
  void Refuse(std::u16string_view message, int focusId);

  static const MessageEntry<CDlgItemEdit> kMessageMap[];

  ProgramValues& values_;
  ShoplistState& state_;
  ItemEditOwner& owner_;
  Mode mode_ = Mode::NewItem;
  bool savedReport_ = false;
  std::u16string quantityText_;
  std::u16string unitPriceText_;
};

}  // namespace tallyfox
