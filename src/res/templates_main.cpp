// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "res/main_ids.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

// The pages are separate child dialogs; the main window holds the tab strip only.
constexpr ItemTemplate TabControl(DuRect rect) {
  return Named(u"Pages", Item(kIdcTabControl, ControlKind::TabControl, {}, rect, kStyleNone));
}

constexpr ItemTemplate kPortraitItems[] = {TabControl({1, 0, 158, 167})};
constexpr ItemTemplate kLandscapeItems[] = {TabControl({2, 0, 209, 129})};

}  // namespace

constexpr DialogTemplate kMainPortrait = {.number = kIddMainPortrait,
                                          .cx = 160,
                                          .cy = 170,
                                          .caption = u"Tallyfox",
                                          .items = kPortraitItems};

constexpr DialogTemplate kMainLandscape = {.number = kIddMainLandscape,
                                           .cx = 214,
                                           .cy = 130,
                                           .caption = u"Tallyfox",
                                           .items = kLandscapeItems};

}  // namespace tallyfox::tmpl
