// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The whole program over a test's own folder: a tax file, a script for the
// windows it opens, and the Shoplist page with its lists opened as the user
// would open them.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_window.h"
#include "core/common/text.h"
#include "platform/test_seam.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "shoplist/shoplist_page.h"
#include "support/test_files.h"
#include "support/user_input.h"

namespace tallyfox::testing {

inline constexpr ScreenGeometry kPortrait{480, 640, 0};
inline constexpr ScreenGeometry kLandscape{640, 480, 90};
inline constexpr int kShoplistTab = 2;

inline const std::string kTaxFileCa("C\0A\0\0\0\0\0\0\0\0\0", 12);
inline const std::string kTaxFileCustom825("S...8\0.\0002\0005\0", 12);

// A control's text as UTF-8, for readable comparisons.
inline std::string Shown(const Dialog& dialog, int id) { return ToUtf8(dialog.ItemText(id)); }

inline bool IsEnabled(const Dialog& dialog, int id) { return dialog.Item(id).IsEnabled(); }

// Focus as the window keeps it; an offscreen window need not be active.
inline bool HasFocusWithAllSelected(const Dialog& dialog, int id) {
  auto* edit = static_cast<QLineEdit*>(WidgetOf(dialog.Item(id)));
  return edit->window()->focusWidget() == edit && edit->selectedText() == edit->text();
}

class ProgramTest : public ::testing::Test {
 protected:
  void SetUp() override {
    script_.SetModulePath(folder_.path() / "tallyfox");
    StoreTaxFile(kTaxFileCa);
  }
  void TearDown() override { ExpectScriptMet(script_); }

  void StoreTaxFile(const std::string& bytes) const {
    WriteBytes(folder_.path() / "tax.ini", bytes);
  }
  std::filesystem::path ListFile(std::u16string_view name) const {
    return folder_.path() / (ToUtf8(name) + ".csv");
  }
  void StoreList(std::u16string_view name, std::u16string_view text) const {
    WriteBytes(ListFile(name), Utf16Le(text));
  }
  std::string StoredList(std::u16string_view name) const { return ReadBytes(ListFile(name)); }
  std::vector<std::string> FolderFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
      names.push_back(entry.path().filename().string());
    }
    std::ranges::sort(names);
    return names;
  }

  // Runs the program on `screen`; its close button ends it after `actions`.
  int RunProgram(const std::function<void(CTallyfoxDlg&)>& actions,
                 ScreenGeometry screen = kPortrait) {
    script_.SetScreen(screen);
    CTallyfoxDlg window(folder_.path());
    script_.ExpectDialog(kIddMainPortrait, [&](Dialog&) {
      actions(window);
      if (!window.HasEnded()) CloseWithCaptionOk(window);
    });
    return window.DoModal();
  }

  // Runs the program with the Shoplist tab selected.
  void RunPage(const std::function<void(CDialogTab4&)>& actions,
               ScreenGeometry screen = kPortrait) {
    RunProgram(
        [&](CTallyfoxDlg& window) {
          SelectTab(window, kIdcTabControl, kShoplistTab);
          actions(static_cast<CDialogTab4&>(window.PageAt(kShoplistTab)));
        },
        screen);
  }

  // Opens the list from the page with "Edit", or "View"; `actions` act on
  // the Shopping List dialog, which its close button then closes.
  void OpenList(std::u16string_view name, const std::function<void(Dialog&)>& actions,
                bool viewOnly = false, ScreenGeometry screen = kPortrait) {
    RunPage(
        [&](CDialogTab4& page) {
          ChooseEntry(page, kIdcShoplistListBox, name);
          const int shoppingList =
              screen.orientation == 0 ? kIddShoppingListPortrait : kIddShoppingListLandscape;
          script_.ExpectDialog(shoppingList, [&](Dialog& list) {
            actions(list);
            if (!list.HasEnded()) CloseWithCaptionOk(list);
          });
          Click(page, viewOnly ? kIdcShoplistView : kIdcShoplistEdit);
        },
        screen);
  }

  // Runs Item Edit from the open list's "Add" (or "Edit"); `actions` act on it.
  void RunItemEdit(Dialog& list, int button, const std::function<void(Dialog&)>& actions) {
    script_.ExpectDialog(kIddItemEdit, actions);
    Click(list, button);
  }

  TempFolder folder_;
  UiScript script_;
};

inline void FillItem(const Dialog& edit, std::u16string_view name, std::u16string_view qty,
                     std::u16string_view unitPrice, std::u16string_view catalog) {
  TypeInto(edit, kIdcItemEditName, name);
  TypeInto(edit, kIdcItemEditQty, qty);
  TypeInto(edit, kIdcItemEditUnitPrice, unitPrice);
  // Chosen where the list offers it, else typed.
  if (edit.DropDownItem(kIdcItemEditCatalog).FindExact(catalog) >= 0) {
    ChooseEntry(edit, kIdcItemEditCatalog, catalog);
  } else if (!catalog.empty()) {
    TypeInto(edit, kIdcItemEditCatalog, catalog);
  }
}

}  // namespace tallyfox::testing
