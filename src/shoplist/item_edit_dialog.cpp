// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/item_edit_dialog.h"

#include <algorithm>
#include <cmath>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/shoplist/list_store.h"
#include "platform/modal.h"
#include "res/shoplist_ids.h"

namespace tallyfox {
namespace {

// A stored quantity of 0 (or no number) gives no unit price: the box stays
// empty, so that saving asks for one instead of storing a made-up price.
std::u16string UnitPriceText(const ListItem& item) {
  const double quantity = ReadNumber(item.qty);
  if (quantity == 0) return {};
  const double unitPrice = ReadNumber(item.price) / quantity;
  return std::isfinite(unitPrice) ? FormatFixed2(unitPrice) : std::u16string();
}

// The room a quantity takes in the file: one being changed is written back as
// a number (0007 as 7), while a new one is stored as typed.
std::size_t StoredQuantityLength(std::u16string_view qty, bool changing) {
  if (!changing) return qty.size();
  return qty.size() - std::min(qty.find_first_not_of(u'0'), qty.size());
}

}  // namespace

const MessageEntry<CDlgItemEdit> CDlgItemEdit::kMessageMap[] = {
    {kIdcItemEditSaveAndExit, Notify::Clicked, &CDlgItemEdit::OnSaveAndExit},
    {kIdcItemEditSaveAndNew, Notify::Clicked, &CDlgItemEdit::OnSaveAndNew},
};

CDlgItemEdit::CDlgItemEdit(ProgramValues& values, ShoplistState& state, ItemEditOwner& owner)
    : Dialog(kIddItemEdit), values_(values), state_(state), owner_(owner) {
  UseMessageMap(this, kMessageMap);
}

void CDlgItemEdit::DoDataExchange(DataExchange& dx) {
  dx.Text(kIdcItemEditUnitPrice, unitPriceText_);
  dx.Text(kIdcItemEditQty, quantityText_);
}

bool CDlgItemEdit::OnInitDialog() {
  Dialog::OnInitDialog();
  savedReport_ = false;
  const bool changing = mode_ == Mode::Change;
  EditItem(kIdcItemEditName).SetReadOnly(changing);
  ButtonItem(kIdcItemEditSaveAndNew).Enable(!changing);
  DropDownItem(kIdcItemEditCatalog).Enable(!changing);
  if (changing) {
    ShowItemToChange();
  } else {
    ClearForm();
  }
  return false;
}

void CDlgItemEdit::ShowItemToChange() {
  const ListItem& item = state_.currentItem;
  SetItemText(kIdcItemEditName, item.name);
  SetItemText(kIdcItemEditQty, item.qty);
  SetItemText(kIdcItemEditUnitPrice, UnitPriceText(item));
  SelectCatalog(item.catalog);
  Edit& quantity = EditItem(kIdcItemEditQty);
  quantity.SetFocus();
  quantity.SelectAll();
}

// Exact words only: the list's own search would ignore letter case.
void CDlgItemEdit::SelectCatalog(std::u16string_view catalog) {
  DropDownList& catalogs = DropDownItem(kIdcItemEditCatalog);
  int found = -1;
  for (int i = 0; i < catalogs.Count() && found < 0; ++i) {
    if (catalogs.TextAt(i) == catalog) found = i;
  }
  catalogs.SetCurSel(found);
}

void CDlgItemEdit::ClearForm() {
  for (int id : {kIdcItemEditName, kIdcItemEditQty, kIdcItemEditUnitPrice}) SetItemText(id, u"");
  DropDownItem(kIdcItemEditCatalog).SetCurSel(-1);
  EditItem(kIdcItemEditName).SetFocus();
}

void CDlgItemEdit::Refuse(std::u16string_view message, int focusId) {
  MessageBox(this, message);
  Edit& box = EditItem(focusId);
  box.SetFocus();
  box.SelectAll();
}

bool CDlgItemEdit::ReadFields() {
  UpdateData(true);
  ListItem& item = state_.currentItem;
  const DropDownList& catalogs = DropDownItem(kIdcItemEditCatalog);
  item.name = ItemText(kIdcItemEditName);
  item.qty = quantityText_;
  item.catalog = catalogs.CurSel() >= 0 ? catalogs.TextAt(catalogs.CurSel()) : std::u16string();
  item.price = unitPriceText_;
  if (mode_ == Mode::NewItem) item.checked = false;

  const struct {
    bool missing;
    std::u16string_view message;
  } required[] = {
      {item.name.empty(), u"Please input the item name."},
      {item.qty.empty(), u"Please input the item quantity."},
      {item.catalog.empty(), u"Please input the item catalog."},
      {unitPriceText_.empty(), u"Please choose the item unit price."},
  };
  for (const auto& field : required) {
    if (field.missing) {
      MessageBox(this, field.message);
      return false;
    }
  }
  // The file keeps a name as one word of at most 31 characters; a name being
  // changed is not written again.
  if (mode_ == Mode::NewItem && HasSpace(item.name)) {
    Refuse(u"Please input the item name without spaces.", kIdcItemEditName);
    return false;
  }
  if (mode_ == Mode::NewItem && item.name.size() > kMaxItemNameLength) {
    Refuse(u"Please input an item name of at most 31 characters.", kIdcItemEditName);
    return false;
  }
  if (StoredQuantityLength(item.qty, mode_ == Mode::Change) > kMaxQuantityLength) {
    Refuse(u"Please input a quantity of at most 3 digits.", kIdcItemEditQty);
    return false;
  }
  return true;
}

// The line price is quantity times unit price, as the file will hold it.
bool CDlgItemEdit::TakeLinePrice() {
  const double linePrice = ReadNumber(quantityText_) * ReadNumber(unitPriceText_);
  std::u16string text = FormatFixed2(linePrice);
  if (!std::isfinite(linePrice) || text.size() > kMaxLinePriceLength) {
    Refuse(u"The price is too large. Please input a smaller unit price.", kIdcItemEditUnitPrice);
    return false;
  }
  state_.currentItem.price = std::move(text);
  return true;
}

bool CDlgItemEdit::NameIsNew() {
  if (!owner_.HasItemNamed(state_.currentItem.name)) return true;
  Refuse(u"Item exists. Please input a different name.", kIdcItemEditName);
  return false;
}

bool CDlgItemEdit::AppendToList() {
  MessageBoxReporter reporter(this);
  if (ListStore(values_.appFolder, reporter)
          .AppendItem(state_.currentListName, state_.currentItem)) {
    return true;
  }
  MessageBox(this, u"Failed to write item to file.");
  return false;
}

void CDlgItemEdit::OnSaveAndExit() {
  if (!ReadFields() || !TakeLinePrice()) return;
  if (mode_ == Mode::NewItem) {
    if (!NameIsNew() || !AppendToList()) return;
    owner_.ItemAppended(state_.currentItem);
  }
  savedReport_ = true;
  ClearForm();
  EndDialog(kIdOk);
}

void CDlgItemEdit::OnSaveAndNew() {
  if (!ReadFields() || !NameIsNew() || !TakeLinePrice() || !AppendToList()) return;
  savedReport_ = false;
  owner_.ItemAppended(state_.currentItem);
  ClearForm();
}

}  // namespace tallyfox
