// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <array>

#include "res/about_ids.h"
#include "res/images.h"
#include "res/template_builders.h"
#include "res/template_registry.h"

namespace tallyfox::tmpl {
namespace {

// Where the picture and the first text column start; the text lines keep
// their own spacing, the same on both pages.
struct AboutLayout {
  DuRect picture;
  int textX;
  int versionY;
  int line4Y;
  int welcomeX;
  int welcomeY;
};

constexpr ItemTemplate Picture(DuRect rect) {
  ItemTemplate item =
      Named(u"Tallyfox logo", Item(kIdcStatic, ControlKind::Picture, {}, rect, kStyleNone));
  item.resource = kBitmapAbout;
  return item;
}

constexpr std::array<ItemTemplate, 8> AboutItems(const AboutLayout& at) {
  const int x = at.textX;
  const int y = at.versionY;
  return {
      Picture(at.picture),
      Item(kIdcVersion, ControlKind::StaticText, u"version", {x, y, 114, 11}, kStyleNone),
      Label(u"Your shopping companion for", {x, y + 10, 131, 11}),
      Label(u"sales, lists and conversions.", {x, y + 20, 116, 11}),
      Label(u"Made by the Tallyfox team.", {x, y + 30, 121, 11}),
      Item(kIdcInfoLine4, ControlKind::StaticText, u"github.com/tallyfox/tallyfox",
           {x, at.line4Y, 110, kLabelHeight}, kStyleNone),
      Label(u"Free software: GPL 3 or later.", {x, at.line4Y + 9, 142, kLabelHeight}),
      Label(u"Welcome Suggestions && Bug reports!", {at.welcomeX, at.welcomeY, 130, kLabelHeight}),
  };
}

// Portrait centres the picture above the text; landscape puts it to the left.
constexpr auto kPortraitItems = AboutItems({.picture = {59, 11, 37, 38},
                                            .textX = 10,
                                            .versionY = 52,
                                            .line4Y = 96,
                                            .welcomeX = 18,
                                            .welcomeY = 135});
constexpr auto kLandscapeItems = AboutItems({.picture = {17, 22, 37, 38},
                                             .textX = 63,
                                             .versionY = 17,
                                             .line4Y = 62,
                                             .welcomeX = 63,
                                             .welcomeY = 83});

}  // namespace

constexpr DialogTemplate kAboutPortrait = Page(kIddAboutPortrait, 156, 161, kPortraitItems);
constexpr DialogTemplate kAboutLandscape = Page(kIddAboutLandscape, 210, 108, kLandscapeItems);

}  // namespace tallyfox::tmpl
