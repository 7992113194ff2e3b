// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shoplist/add_list_dialog.h"

#include "core/shoplist/list_store.h"
#include "platform/modal.h"
#include "res/shoplist_ids.h"

namespace tallyfox {

const MessageEntry<CDlgAddList> CDlgAddList::kMessageMap[] = {
    {kIdcAddListCreate, Notify::Clicked, &CDlgAddList::OnCreate},
    {kIdcAddListCancel, Notify::Clicked, &CDlgAddList::OnCancelClicked},
};

CDlgAddList::CDlgAddList(ProgramValues& values, ShoplistState& state)
    : Dialog(kIddAddList), values_(values), state_(state) {
  UseMessageMap(this, kMessageMap);
}

void CDlgAddList::DoDataExchange(DataExchange& dx) { dx.Text(kIdcAddListName, name_); }

void CDlgAddList::OnCreate() {
  UpdateData(true);
  if (name_.empty()) {
    MessageBox(this, u"Please input the List Name.");
    return;
  }
  state_.currentListName = name_;
  MessageBoxReporter reporter(this);
  ListStore store(values_.appFolder, reporter);
  if (store.ListExists(name_)) {
    MessageBox(this, u"List Name exists. Please input a different name.");
    Edit& nameBox = EditItem(kIdcAddListName);
    nameBox.SetFocus();
    nameBox.SelectAll();
    return;
  }
  if (!store.CreateList(name_)) return;
  created_ = true;
  EndDialog(kIdOk);
}

void CDlgAddList::OnCancelClicked() { EndDialog(kIdCancel); }

}  // namespace tallyfox
