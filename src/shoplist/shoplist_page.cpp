// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/shoplist_page.h"

#include "core/shoplist/list_store.h"
#include "platform/modal.h"
#include "platform/trash.h"
#include "shoplist/add_list_dialog.h"
#include "shoplist/list_export.h"

namespace tallyfox {
namespace {

template <class ShopList>
std::unique_ptr<CDlgShopList> MakeShopList(ProgramValues& values, ShoplistState& state) {
  return std::make_unique<ShopList>(values, state);
}

}  // namespace

const MessageEntry<CDialogTab4> CDialogTab4::kMessageMap[] = {
    {kIdcShoplistListBox, Notify::SelChange, &CDialogTab4::OnSelChange},
    {kIdcShoplistNew, Notify::Clicked, &CDialogTab4::OnNew},
    {kIdcShoplistDelete, Notify::Clicked, &CDialogTab4::OnDelete},
    {kIdcShoplistEdit, Notify::Clicked, &CDialogTab4::OnEdit},
    {kIdcShoplistView, Notify::Clicked, &CDialogTab4::OnView},
};

CDialogTab4::CDialogTab4(ProgramValues& values)
    : CDialogTab4(values, kIddShoplistPortrait, &MakeShopList<CDlgShopList>) {}

CDialogTab4::CDialogTab4(ProgramValues& values, int templateNumber, ShopListFactory makeShopList)
    : Dialog(templateNumber), values_(values), shopList_(makeShopList(values, state_)) {
  UseMessageMap(this, kMessageMap);
}

CDialogTab4L::CDialogTab4L(ProgramValues& values)
    : CDialogTab4(values, kIddShoplistLandscape, &MakeShopList<CDlgShopListL>) {}

bool CDialogTab4::OnInitDialog() {
  Dialog::OnInitDialog();
  MessageBoxReporter reporter(this);
  ListBox& lists = ListBoxItem(kIdcShoplistListBox);
  for (const std::u16string& name : ListStore(values_.appFolder, reporter).ListLists()) {
    lists.AddString(name);
  }
  EnableListButtons(false);
  SetUpExportMenu();
  return true;
}

void CDialogTab4::SetUpExportMenu() {
  SetListExportMenu(
      ListBoxItem(kIdcShoplistListBox), [this] { return SelectedSheet(); }, false);
}

// Away from its window a list has no "With tax" box: the stored tax setting
// decides, as on the command line.
std::optional<ListSheet> CDialogTab4::SelectedSheet() {
  const ListBox& lists = ListBoxItem(kIdcShoplistListBox);
  const int selected = lists.CurSel();
  if (selected < 0) return std::nullopt;
  const std::u16string name = lists.TextAt(selected);
  MessageBoxReporter reporter(this);
  const std::optional<ListContents> contents =
      ListStore(values_.appFolder, reporter).ReadItems(name);
  if (!contents) return std::nullopt;
  return MakeListSheet(name, *contents, StoredListRates(values_.taxSetting));
}

void CDialogTab4::EnableListButtons(bool enable) {
  for (int id : {kIdcShoplistDelete, kIdcShoplistEdit, kIdcShoplistView}) Item(id).Enable(enable);
}

void CDialogTab4::OnSelChange() { EnableListButtons(true); }

void CDialogTab4::OnNew() {
  CDlgAddList addList(values_, state_);
  if (addList.DoModal() == kIdOk && addList.created()) {
    // The new list is chosen, so that Enter or "Edit" opens it at once.
    ListBox& lists = ListBoxItem(kIdcShoplistListBox);
    lists.SetCurSel(lists.AddString(state_.currentListName));
    EnableListButtons(true);
  }
}

void CDialogTab4::OnDelete() {
  ListBox& lists = ListBoxItem(kIdcShoplistListBox);
  const int selected = lists.CurSel();
  if (selected < 0) return;
  if (MessageBox(this, kAskDelete, MessageButtons::YesNo) != MessageResult::Yes) {
    return;
  }
  MessageBoxReporter reporter(this);
  ListStore store(values_.appFolder, reporter);
  const std::u16string name = lists.TextAt(selected);
  // From the Trash a file manager can put the list back; where no Trash can
  // take it, it is deleted.
  const std::optional<std::filesystem::path> file = store.ListPath(name);
  if ((file && MoveToTrash(*file)) || store.DeleteList(name)) {
    lists.DeleteString(selected);
    EnableListButtons(false);
  }
}

void CDialogTab4::OnEdit() { OpenSelectedList(false); }
void CDialogTab4::OnView() { OpenSelectedList(true); }

void CDialogTab4::OpenSelectedList(bool viewOnly) {
  const ListBox& lists = ListBoxItem(kIdcShoplistListBox);
  const int selected = lists.CurSel();
  if (selected < 0) return;
  state_.currentListName = lists.TextAt(selected);
  shopList_->SetViewOnly(viewOnly);
  shopList_->DoModal();
}

}  // namespace tallyfox
