// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The Shoplist page, the Add List dialog, the Shopping List dialog and the
// Item Edit dialog. The Shopping List dialog also carries the tax controls.

#include "res/tax_control_ids.h"

namespace tallyfox {

inline constexpr int kIddShoplistPortrait = 137;
inline constexpr int kIddAddList = 138;
inline constexpr int kIddShoppingListPortrait = 139;
inline constexpr int kIddItemEdit = 140;
inline constexpr int kIddShoplistLandscape = 141;
inline constexpr int kIddShoppingListLandscape = 142;

// Shoplist page.
inline constexpr int kIdcShoplistListBox = 1021;  // names of all lists
inline constexpr int kIdcShoplistNew = 1022;
inline constexpr int kIdcShoplistDelete = 1023;
inline constexpr int kIdcShoplistEdit = 1024;
inline constexpr int kIdcShoplistView = 1025;

// Add List dialog.
inline constexpr int kIdcAddListName = 1023;
inline constexpr int kIdcAddListCreate = 1015;
inline constexpr int kIdcAddListCancel = 1016;

// Shopping List dialog.
inline constexpr int kIdcShoppingListTable = 1021;  // list view with tick boxes
inline constexpr int kIdcShoppingListAdd = 1028;
inline constexpr int kIdcShoppingListDelete = 1023;
inline constexpr int kIdcShoppingListEdit = 1024;
inline constexpr int kIdcShoppingListTitle = 1032;
inline constexpr int kIdcShoppingListTax = 1035;
inline constexpr int kIdcShoppingListTotal = 1034;
inline constexpr int kIdcShoppingListLeft = 1036;  // what the unticked items come to

// Item Edit dialog.
inline constexpr int kIdcItemEditName = 1029;
inline constexpr int kIdcItemEditQty = 1015;
inline constexpr int kIdcItemEditUnitPrice = 1016;
inline constexpr int kIdcItemEditCatalog = 1030;
inline constexpr int kIdcItemEditSaveAndExit = 1027;
inline constexpr int kIdcItemEditSaveAndNew = 1028;

}  // namespace tallyfox
