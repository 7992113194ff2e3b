// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/shopping_list_dialog.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/common/numbers.h"
#include "core/common/text.h"
#include "core/tax/tax_explained.h"
#include "platform/modal.h"
#include "platform/striped_rows.h"
#include "res/tax_control_ids.h"
#include "shoplist/list_export.h"

namespace tallyfox {
namespace {

constexpr std::u16string_view kSelectItem = u"Please select an item.";

constexpr ListColumn kColumns[] = {{u"Name", 80, ColumnAlign::Center},
                                   {u"Qty", 30, ColumnAlign::Center},
                                   {u"Catalog", 60, ColumnAlign::Center},
                                   {u"Price", 55, ColumnAlign::Center}};

bool IsTickState(std::uint32_t state) {
  const std::uint32_t tick = state & kRowTickMask;
  return tick == kRowTicked || tick == kRowUnticked;
}

bool TickToggled(const Notification& change) {
  return IsTickState(change.oldState) && IsTickState(change.newState) &&
         (change.oldState & kRowTickMask) != (change.newState & kRowTickMask);
}

}  // namespace

const MessageEntry<CDlgShopList> CDlgShopList::kMessageMap[] = {
    {kIdcShoppingListAdd, Notify::Clicked, &CDlgShopList::OnAdd},
    {kIdcShoppingListDelete, Notify::Clicked, &CDlgShopList::OnDelete},
    {kIdcShoppingListEdit, Notify::Clicked, &CDlgShopList::OnChangeItem},
    {kIdcStateButton, Notify::Clicked, &CDlgShopList::OnStateButton},
    {kIdcWithTax, Notify::Clicked, &CDlgShopList::OnWithTax},
    {kIdcShoppingListTable, Notify::ItemChanged, &CDlgShopList::OnRowChanged},
    {kIdcShoppingListTable, Notify::CustomDraw, &CDlgShopList::OnDrawRows},
};

CDlgShopList::CDlgShopList(ProgramValues& values, ShoplistState& state, int templateNumber)
    : Dialog(templateNumber),
      values_(values),
      state_(state),
      itemEdit_(values, state, *this),
      taxControls_(*this, values) {
  UseMessageMap(this, kMessageMap);
}

bool CDlgShopList::OnInitDialog() {
  Dialog::OnInitDialog();
  ticksChanged_ = false;
  subtotal_ = 0;
  deleted_.clear();
  taxControls_.ShowStateCode();
  SetItemText(kIdcShoppingListTitle, state_.currentListName);
  SetUpTable();
  SetUpExportMenu();
  LoadItems();
  ButtonItem(kIdcShoppingListAdd).Enable(!viewOnly_);
  EnableRowButtons(false);
  // Showing the stored ticks is no change of them.
  ticksChanged_ = false;
  return true;
}

void CDlgShopList::SetUpTable() {
  ListView& table = Table();
  table.SetTickBoxes(true);
  table.SetFullRowSelect(true);
  table.SetColumns(kColumns);
}

void CDlgShopList::LoadItems() {
  MessageBoxReporter reporter(this);
  const std::optional<ListContents> contents = Store(reporter).ReadItems(state_.currentListName);
  if (!contents) {
    MessageBox(this, u"Failed to load list file.");
    return;
  }
  ticksInBulk_ = true;
  for (const ListItem& item : contents->items) AppendRow(item);
  ticksInBulk_ = false;
  subtotal_ = contents->subtotal;
  ShowTotals();
}

std::optional<ListRates> CDlgShopList::ShownRates() const {
  return ListRatesInForce(CheckBoxItem(kIdcWithTax).IsChecked(), taxControls_.ShownStateCode(),
                          values_.taxSetting.customRateText);
}

// With no state chosen there is no rate: "With tax" is cleared and the tax
// is 0, so no tax from an earlier state stays on show.
ListRates CDlgShopList::RatesInForce() {
  if (const std::optional<ListRates> rates = ShownRates()) return *rates;
  CheckBoxItem(kIdcWithTax).SetChecked(false);
  return {};
}

void CDlgShopList::ShowTotals() {
  const ListRates rates = RatesInForce();
  const std::vector<ListItem> items = RowItems();
  const ListTax tax = ListTaxOf(items, subtotal_, rates);
  SetItemText(kIdcShoppingListTax, TaxLine(tax.tax));
  SetItemText(kIdcShoppingListTotal, TotalLine(tax.tax + subtotal_));
  SetItemText(kIdcShoppingListLeft, LeftLine(LeftToBuy(items, rates)));
  ExplainTotals(tax, rates);
}

void CDlgShopList::ExplainTotals(const ListTax& tax, const ListRates& rates) {
  const std::u16string taxText = FormatAmount(tax.tax);
  StaticItem(kIdcShoppingListTax)
      .SetToolTip(ListTaxExplained(taxText, tax, rates, CheckBoxItem(kIdcWithTax).IsChecked(),
                                   taxControls_.ShownStateCode()));
  StaticItem(kIdcShoppingListTotal)
      .SetToolTip(
          TotalExplained(FormatAmount(tax.tax + subtotal_), FormatAmount(subtotal_), taxText));
}

void CDlgShopList::SetUpExportMenu() {
  SetListExportMenu(Table(), [this] { return std::optional<ListSheet>(ShownSheet()); }, true,
                    {{u"Untick All", [this] { OnUntickAll(); }, false, u"Ctrl+Shift+U"},
                     {u"Undo Delete", [this] { OnUndoDelete(); }, false, u"Ctrl+Z"}});
}

// The list as the window shows it, ticks not yet saved included; the tax is
// 0.00 while "With tax" is clear, as shown.
ListSheet CDlgShopList::ShownSheet() const {
  return MakeListSheet(state_.currentListName, ListContents{RowItems(), subtotal_},
                       ShownRates().value_or(ListRates{}));
}

bool CDlgShopList::HasItemNamed(std::u16string_view name) const {
  const ListView& table = Table();
  for (int row = 0; row < table.ItemCount(); ++row) {
    if (table.ItemText(row, 0) == name) return true;
  }
  return false;
}

std::vector<std::u16string> CDlgShopList::CatalogsInUse() const {
  const ListView& table = Table();
  std::vector<std::u16string> catalogs;
  for (int row = 0; row < table.ItemCount(); ++row) catalogs.push_back(table.ItemText(row, 2));
  return catalogs;
}

void CDlgShopList::SetRowTexts(int row, const ListItem& item) {
  ListView& table = Table();
  int column = 0;
  for (const std::u16string* text : {&item.name, &item.qty, &item.catalog, &item.price}) {
    table.SetItemText(row, column++, *text);
  }
}

void CDlgShopList::AppendRow(const ListItem& item) { InsertRow(Table().ItemCount(), item); }

void CDlgShopList::InsertRow(int row, const ListItem& item) {
  ListView& table = Table();
  row = table.InsertItem(row, item.name);
  SetRowTexts(row, item);
  table.SetTicked(row, item.checked);
}

ListItem CDlgShopList::RowItem(int row) const {
  const ListView& table = Table();
  return ListItem{table.IsTicked(row), table.ItemText(row, 0), table.ItemText(row, 1),
                  table.ItemText(row, 2), table.ItemText(row, 3)};
}

std::vector<ListItem> CDlgShopList::RowItems() const {
  std::vector<ListItem> items;
  items.reserve(Table().ItemCount());
  for (int row = 0; row < Table().ItemCount(); ++row) items.push_back(RowItem(row));
  return items;
}

std::vector<int> CDlgShopList::TickedPositions() const {
  const ListView& table = Table();
  std::vector<int> positions;
  for (int row = 0; row < table.ItemCount(); ++row) {
    if (table.IsTicked(row)) positions.push_back(row + 1);
  }
  return positions;
}

void CDlgShopList::EnableRowButtons(bool enable) {
  for (int id : {kIdcShoppingListDelete, kIdcShoppingListEdit}) Item(id).Enable(enable);
}

void CDlgShopList::OnRowChanged(Notification& notification) {
  if (TickToggled(notification)) {
    ticksChanged_ = true;
    if (!ticksInBulk_) ShowTotals();  // "Left:" follows the ticks
  }
  EnableRowButtons(!viewOnly_ && notification.newState != 0);
  notification.result = 0;
}

// A ticked row is struck through: it is in the basket.
void CDlgShopList::OnDrawRows(Notification& notification) {
  DrawStripedRows(notification);
  if (notification.drawStage == kDrawItemPrePaint) {
    notification.crossedOut = Table().IsTicked(notification.item);
  }
}

void CDlgShopList::OnAdd() {
  itemEdit_.SetMode(CDlgItemEdit::Mode::NewItem);
  if (itemEdit_.DoModal() != kIdOk) return;
  itemEdit_.ClearSavedReport();
  EnableRowButtons(false);
}

void CDlgShopList::ItemAppended(const ListItem& item) {
  AppendRow(item);
  subtotal_ += ReadNumber(item.price);
  ShowTotals();
}

// A row whose line could not be removed stays, so that rows and lines keep
// the same positions for the next change.
void CDlgShopList::OnDelete() {
  if (MessageBox(this, kAskDelete, MessageButtons::YesNo) != MessageResult::Yes) return;
  const std::vector<int> selected = Table().SelectedRows();
  if (selected.empty()) {
    MessageBox(this, kSelectItem);
    return;
  }
  MessageBoxReporter reporter(this);
  ListStore store = Store(reporter);
  for (auto row = selected.rbegin(); row != selected.rend(); ++row) {
    ListItem item = RowItem(*row);
    if (const std::optional<double> subtotal =
            store.RewriteDelete(state_.currentListName, *row, subtotal_)) {
      subtotal_ = *subtotal;
      deleted_.push_back({*row, std::move(item)});
      Table().DeleteItem(*row);
      ShowTotals();
    }
  }
  EnableRowButtons(false);
}

// The item goes back where it was, with the tick it had; an undo that cannot
// be saved stays to be tried again.
void CDlgShopList::OnUndoDelete() {
  if (deleted_.empty()) return;
  const DeletedItem& last = deleted_.back();
  const int position = std::min(last.position, Table().ItemCount());
  MessageBoxReporter reporter(this);
  const std::optional<double> subtotal =
      Store(reporter).RewriteInsert(state_.currentListName, position, last.item, subtotal_);
  if (!subtotal) return;
  subtotal_ = *subtotal;
  const bool ticksPending = ticksChanged_;  // the file already holds this tick
  ticksInBulk_ = true;
  InsertRow(position, last.item);
  ticksInBulk_ = false;
  ticksChanged_ = ticksPending;
  // The row's tick came back with it; the selection did not.
  EnableRowButtons(!viewOnly_ && !Table().SelectedRows().empty());
  deleted_.pop_back();
  ShowTotals();
}

// Every tick cleared in one rewrite, so that a list serves again next week.
void CDlgShopList::OnUntickAll() {
  ListView& table = Table();
  ticksInBulk_ = true;
  for (int row = 0; row < table.ItemCount(); ++row) table.SetTicked(row, false);
  ticksInBulk_ = false;
  SaveTicks();
  ShowTotals();
  EnableRowButtons(false);
}

// The row changes only once the file has: after a failure it still shows
// what the file holds.
void CDlgShopList::OnChangeItem() {
  const std::vector<int> selected = Table().SelectedRows();
  if (selected.empty()) {
    MessageBox(this, kSelectItem);
    return;
  }
  const int row = selected.back();
  state_.currentItem = RowItem(row);
  const double oldPrice = ReadNumber(state_.currentItem.price);
  itemEdit_.SetMode(CDlgItemEdit::Mode::Change);
  if (itemEdit_.DoModal() != kIdOk) return;
  if (!itemEdit_.savedReport()) {
    EnableRowButtons(false);
    return;
  }
  itemEdit_.ClearSavedReport();
  const int newQty = ReadInteger(state_.currentItem.qty);
  const double newPrice = ReadNumber(state_.currentItem.price);
  MessageBoxReporter reporter(this);
  const std::optional<double> subtotal = Store(reporter).RewriteUpdate(
      state_.currentListName, row, newQty, newPrice, oldPrice, subtotal_);
  if (!subtotal) {
    MessageBox(this, u"Failed to update item to file.");
    return;
  }
  subtotal_ = *subtotal;
  ListItem stored = state_.currentItem;
  stored.qty = FormatInteger(newQty);  // as the file now holds it: 007 is stored as 7
  SetRowTexts(row, stored);
  ShowTotals();
  EnableRowButtons(false);
}

void CDlgShopList::OnStateButton() {
  if (taxControls_.ChooseState()) ShowTotals();
}

void CDlgShopList::OnWithTax() {
  if (taxControls_.AcceptWithTaxClick()) ShowTotals();
}

void CDlgShopList::SaveTicks() {
  if (!ticksChanged_) return;
  // Cleared first: a message about a failed save opens a box, which sends
  // cancel mode here again.
  ticksChanged_ = false;
  MessageBoxReporter reporter(this);
  if (const std::optional<double> subtotal =
          Store(reporter).RewriteChecks(state_.currentListName, TickedPositions(), subtotal_)) {
    subtotal_ = *subtotal;
    ShowTotals();
  }
}

void CDlgShopList::OnCancelMode() {
  Dialog::OnCancelMode();
  SaveTicks();
  EnableRowButtons(false);
}

void CDlgShopList::OnOK() {
  SaveTicks();
  Dialog::OnOK();
}

void CDlgShopList::OnCancel() {
  SaveTicks();
  Dialog::OnCancel();
}

}  // namespace tallyfox
