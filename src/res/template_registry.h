// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Every template object, defined in the templates_*.cpp file of its window
// family and gathered by FindTemplate and AllTemplates.

#include "res/dialog_template.h"

namespace tallyfox::tmpl {

extern const DialogTemplate kMainPortrait;           // 102
extern const DialogTemplate kMainLandscape;          // 103
extern const DialogTemplate kDiscountPortrait;       // 129
extern const DialogTemplate kSalePortrait;           // 130
extern const DialogTemplate kAboutPortrait;          // 131
extern const DialogTemplate kTaxSetup;               // 132
extern const DialogTemplate kDiscountLandscape;      // 133
extern const DialogTemplate kSaleLandscape;          // 134
extern const DialogTemplate kAboutLandscape;         // 135
extern const DialogTemplate kShoplistPortrait;       // 137
extern const DialogTemplate kAddList;                // 138
extern const DialogTemplate kShoppingListPortrait;   // 139
extern const DialogTemplate kItemEdit;               // 140
extern const DialogTemplate kShoplistLandscape;      // 141
extern const DialogTemplate kShoppingListLandscape;  // 142
extern const DialogTemplate kConverterPortrait;      // 143
extern const DialogTemplate kConverterLandscape;     // 144

}  // namespace tallyfox::tmpl
