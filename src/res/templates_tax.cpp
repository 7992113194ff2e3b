// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/tax_setup_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

// Template order; the list sorts them itself.
constexpr std::u16string_view kStateCodes[] = {
    u"AL", u"AK", u"AR", u"AZ", u"CA", u"CO", u"CT", u"DE", u"FL", u"GA", u"HI", u"IA", u"ID",
    u"IL", u"IN", u"KS", u"KY", u"LA", u"MA", u"ME", u"MD", u"MI", u"MN", u"MO", u"MS", u"MT",
    u"NE", u"NC", u"ND", u"NH", u"NJ", u"NM", u"NV", u"NY", u"OH", u"OK", u"OR", u"PA", u"RI",
    u"SC", u"SD", u"TN", u"TX", u"UT", u"VT", u"VA", u"WA", u"DC", u"WV", u"WI", u"WY",
};

// The list sits between the two radio buttons in tab order, so each radio
// button is a tab stop of its own; only the first starts the group.
constexpr ItemTemplate kItems[] = {
    Item(kIdcChooseState, ControlKind::RadioButton, u"Choose your state (U.S.)", {9, 5, 97, 10},
         kGroup | kTabStop),
    DropDown(kIdcStateList, {109, 3, 37, 108}, kStateCodes, kSorted),
    Item(kIdcCustomizeRate, ControlKind::RadioButton, u"Customize sales tax (%)", {9, 40, 94, 10},
         kTabStop),
    NumberEdit(kIdcRateField, {109, 38, 36, 12}),
    DefaultButton(kIdcSetAndSave, u"Set && Save", {49, 55, 50, 13}),
    Label(u"Note: Sales tax may be not accurate", {14, 18, 129, 8}),
    Label(u"in some states.", {34, 27, 50, 8}),
};

}  // namespace

constexpr DialogTemplate kTaxSetup = {
    .number = kIddTaxSetup, .cx = 156, .cy = 103, .caption = u"Tax Setup", .items = kItems};

}  // namespace tallyfox::tmpl
