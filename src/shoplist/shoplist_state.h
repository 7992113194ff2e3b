// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The list being worked on and the item being edited: owned by the Shoplist
// page and shared by reference with the dialogs it opens.

#include <string>

#include "core/shoplist/list_store.h"

namespace tallyfox {

// Asked before a list or an item goes.
inline constexpr std::u16string_view kAskDelete = u"Are you sure you want to delete selected item?";

struct ShoplistState {
  std::u16string currentListName;
  ListItem currentItem;
};

}  // namespace tallyfox
