// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/item_edit_dialog.h"

#include <algorithm>
#include <cmath>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/shoplist/list_lines.h"
#include "core/shoplist/list_store.h"
#include "platform/modal.h"
#include "res/dialog_template.h"
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

// The catalogs every list offers, as the template lists them.
std::span<const std::u16string_view> StandardCatalogs() {
  for (const ItemTemplate& item : FindTemplate(kIddItemEdit)->items) {
    if (item.id == kIdcItemEditCatalog) return item.entries;
  }
  return {};
}

std::u16string TooLongMessage(std::u16string_view field, std::size_t limit) {
  return u"Please input an item " + std::u16string(field) + u" of at most " +
         FormatInteger(static_cast<int>(limit)) + u" characters.";
}

bool IsStandardCatalog(std::u16string_view catalog) {
  return std::ranges::find(StandardCatalogs(), catalog) != StandardCatalogs().end();
}

// Exact words only: the list's own search ignores letter case.
int ExactEntry(const DropDownList& list, std::u16string_view text) {
  for (int i = 0; i < list.Count(); ++i) {
    if (list.TextAt(i) == text) return i;
  }
  return -1;
}

bool IsUsableCatalog(std::u16string_view catalog) {
  return !catalog.empty() && !HasLooseSpaces(catalog) && catalog.size() <= kMaxCatalogLength;
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
  OfferCatalogs();
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

// The standard catalogs and those the open list already uses, each once.
void CDlgItemEdit::OfferCatalogs() {
  DropDownList& catalogs = DropDownItem(kIdcItemEditCatalog);
  for (int i = catalogs.Count() - 1; i >= 0; --i) {
    if (!IsStandardCatalog(catalogs.TextAt(i))) catalogs.DeleteString(i);
  }
  for (const std::u16string& catalog : owner_.CatalogsInUse()) {
    if (IsUsableCatalog(catalog) && ExactEntry(catalogs, catalog) < 0) catalogs.AddString(catalog);
  }
}

// A catalog that no entry holds is still shown, as it is kept.
void CDlgItemEdit::SelectCatalog(std::u16string_view catalog) {
  DropDownList& catalogs = DropDownItem(kIdcItemEditCatalog);
  const int found = ExactEntry(catalogs, catalog);
  catalogs.SetCurSel(found);
  if (found < 0) catalogs.SetText(catalog);
}

void CDlgItemEdit::ClearForm() {
  for (int id : {kIdcItemEditName, kIdcItemEditQty, kIdcItemEditUnitPrice}) SetItemText(id, u"");
  DropDownList& catalogs = DropDownItem(kIdcItemEditCatalog);
  catalogs.SetCurSel(-1);
  catalogs.SetText(u"");
  EditItem(kIdcItemEditName).SetFocus();
}

void CDlgItemEdit::Refuse(std::u16string_view message, int focusId) {
  MessageBox(this, message);
  Item(focusId).SetFocus();
  if (Item(focusId).kind() == ControlKind::Edit) EditItem(focusId).SelectAll();
}

bool CDlgItemEdit::ReadFields() {
  UpdateData(true);
  ListItem& item = state_.currentItem;
  const bool changing = mode_ == Mode::Change;
  // A no-break space is a space to the user; the file keeps words apart with it.
  item.name = ShownWords(ItemText(kIdcItemEditName));
  item.qty = quantityText_;
  // An item being changed keeps the catalog it has, whatever it is.
  if (!changing) item.catalog = ShownWords(DropDownItem(kIdcItemEditCatalog).Text());
  item.price = unitPriceText_;
  if (!changing) item.checked = false;

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
  return (changing || NewWordsFit(item)) && QuantityFits(item);
}

// What the file holds of a new item's name and catalog; those of an item
// being changed are not written again.
bool CDlgItemEdit::NewWordsFit(const ListItem& item) {
  const struct {
    bool refused;
    std::u16string message;
    int focusId;
  } checks[] = {
      {HasLooseSpaces(item.name),
       u"Please input the item name without leading, trailing or double spaces.", kIdcItemEditName},
      {item.name.size() > kMaxItemNameLength, TooLongMessage(u"name", kMaxItemNameLength),
       kIdcItemEditName},
      {HasLooseSpaces(item.catalog),
       u"Please input the item catalog without leading, trailing or double spaces.",
       kIdcItemEditCatalog},
      {item.catalog.size() > kMaxCatalogLength, TooLongMessage(u"catalog", kMaxCatalogLength),
       kIdcItemEditCatalog},
  };
  for (const auto& check : checks) {
    if (check.refused) {
      Refuse(check.message, check.focusId);
      return false;
    }
  }
  return true;
}

bool CDlgItemEdit::QuantityFits(const ListItem& item) {
  if (StoredQuantityLength(item.qty, mode_ == Mode::Change) <= kMaxQuantityLength) return true;
  Refuse(u"Please input a quantity of at most 3 digits.", kIdcItemEditQty);
  return false;
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
