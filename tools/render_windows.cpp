// Renders every window of the program to PNG offscreen: the main window on
// each of its five tabs in both page sets, and every modal dialog.
//   render_windows OUTPUT_FOLDER

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "core/shoplist/list_store.h"
#include "platform/display.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_control_ids.h"
#include "res/tax_setup_ids.h"
#include "shoplist/add_list_dialog.h"
#include "shoplist/shopping_list_dialog.h"
#include "tax/tax_setup_dialog.h"

namespace {

using tallyfox::Dialog;

struct PageSet {
  const char* name;
  tallyfox::ScreenGeometry screen;
};

void Save(const Dialog& window, const std::filesystem::path& file) {
  QApplication::processEvents();
  if (!window.widget()->grab().save(QString::fromStdString(file.string()))) {
    std::fprintf(stderr, "render_windows: cannot write %s\n", file.c_str());
  }
}

class IgnoredReports : public tallyfox::Reporter {
  void Report(std::u16string_view) override {}
};

// Two shopping lists, one with items.
void MakeLists(const std::filesystem::path& folder) {
  IgnoredReports reporter;
  tallyfox::ListStore store(folder, reporter);
  store.CreateList(u"party");
  store.CreateList(u"groceries");
  const tallyfox::ListItem items[] = {
      {false, u"milk", u"2", u"food", u"6.50"},
      {false, u"soap", u"1", u"home", u"2.25"},
      {false, u"tea", u"3", u"food", u"4.50"},
      {false, u"cap", u"1", u"apparel", u"9.99"},
  };
  for (const tallyfox::ListItem& item : items) store.AppendItem(u"groceries", item);
}

// A folder that looks like a used installation: a state is chosen.
std::filesystem::path MakeAppFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "tallyfox-render";
  std::filesystem::create_directories(folder);
  std::ofstream tax(folder / "tax.ini", std::ios::binary | std::ios::trunc);
  tax.write("C\0A\0\0\0\0\0\0\0\0\0", 12);
  MakeLists(folder);
  return folder;
}

void RenderMainWindow(const PageSet& set, const std::filesystem::path& out,
                      const std::filesystem::path& appFolder) {
  static const char* const kTabNames[] = {"sale", "discount", "shoplist", "converter", "about"};
  tallyfox::UiScript script;
  script.SetScreen(set.screen);
  script.SetModulePath(appFolder / "tallyfox");
  script.ExpectDialog(tallyfox::kIddMainPortrait, [&](Dialog& main) {
    auto& tabs = main.TabItem(tallyfox::kIdcTabControl);
    for (int tab = 0; tab < 5; ++tab) {
      tabs.SetCurSel(tab);
      tallyfox::Notification change;
      change.code = tallyfox::Notify::SelChange;
      tabs.Send(change);
      Save(main, out / (std::string("main-") + set.name + "-" + kTabNames[tab] + ".png"));
    }
    main.EndDialog(tallyfox::kIdOk);
  });
  tallyfox::CTallyfoxDlg().DoModal();
}

// Tax Setup as the state button opens it, over the CA setting: AK selected.
void RenderTaxSetup(const std::filesystem::path& out, const std::filesystem::path& appFolder) {
  tallyfox::ProgramValues values;
  values.appFolder = appFolder;
  values.taxSetting.stateCode = u"CA";
  tallyfox::UiScript script;
  script.ExpectDialog(tallyfox::kIddTaxSetup, [&](Dialog& dialog) {
    Save(dialog, out / "tax-setup.png");
    dialog.EndDialog(tallyfox::kIdCancel);
  });
  tallyfox::RunTaxSetup(values);
}

// Acts as the control's own click would.
void Press(const Dialog& dialog, int id) {
  tallyfox::Notification click;
  click.code = tallyfox::Notify::Clicked;
  dialog.Item(id).Send(click);
}

// The Item Edit dialog as "Add" and "Edit" open it over the Shopping List.
void RenderItemEdit(tallyfox::UiScript& script, Dialog& list, const std::filesystem::path& out) {
  script.ExpectDialog(tallyfox::kIddItemEdit, [&](Dialog& edit) {
    edit.SetItemText(tallyfox::kIdcItemEditName, u"bread");
    edit.SetItemText(tallyfox::kIdcItemEditQty, u"2");
    edit.SetItemText(tallyfox::kIdcItemEditUnitPrice, u"1.25");
    auto& catalogs = edit.DropDownItem(tallyfox::kIdcItemEditCatalog);
    catalogs.SetCurSel(catalogs.FindExact(u"food"));
    Save(edit, out / "item-edit.png");
    edit.EndDialog(tallyfox::kIdCancel);
  });
  Press(list, tallyfox::kIdcShoppingListAdd);
  script.ExpectDialog(tallyfox::kIddItemEdit, [&](Dialog& edit) {
    Save(edit, out / "item-edit-change.png");
    edit.EndDialog(tallyfox::kIdCancel);
  });
  Press(list, tallyfox::kIdcShoppingListEdit);
}

// Add List and the Shopping List in both forms, through their own classes,
// over the list "groceries" with one item ticked and the tax shown.
void RenderShoplistDialogs(const std::filesystem::path& out,
                           const std::filesystem::path& appFolder) {
  tallyfox::ProgramValues values;
  values.appFolder = appFolder;
  values.taxSetting.stateCode = u"CA";
  tallyfox::ShoplistState state;
  state.currentListName = u"groceries";
  tallyfox::UiScript script;
  script.ExpectDialog(tallyfox::kIddAddList, [&](Dialog& dialog) {
    dialog.SetItemText(tallyfox::kIdcAddListName, u"hardware");
    Save(dialog, out / "add-list.png");
    dialog.EndDialog(tallyfox::kIdCancel);
  });
  tallyfox::CDlgAddList(values, state).DoModal();

  for (const bool landscape : {false, true}) {
    std::unique_ptr<tallyfox::CDlgShopList> shopList =
        landscape ? std::make_unique<tallyfox::CDlgShopListL>(values, state)
                  : std::make_unique<tallyfox::CDlgShopList>(values, state);
    script.ExpectDialog(shopList->templateNumber(), [&](Dialog& list) {
      auto& table = list.ListViewItem(tallyfox::kIdcShoppingListTable);
      table.SetTicked(1, true);
      table.SelectRow(0);
      list.CheckBoxItem(tallyfox::kIdcWithTax).SetChecked(true);
      Press(list, tallyfox::kIdcWithTax);
      Save(list, out / (landscape ? "shopping-list-landscape.png" : "shopping-list-portrait.png"));
      if (!landscape) RenderItemEdit(script, list, out);
      list.EndDialog(tallyfox::kIdCancel);
    });
    shopList->DoModal();
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fputs("usage: render_windows OUTPUT_FOLDER\n", stderr);
    return 2;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication application(argc, argv);
  const std::filesystem::path out = argv[1];
  std::filesystem::create_directories(out);
  const auto appFolder = MakeAppFolder();

  for (const PageSet& set :
       {PageSet{"portrait", {480, 640, 0}}, PageSet{"landscape", {640, 480, 90}}}) {
    RenderMainWindow(set, out, appFolder);
  }
  RenderTaxSetup(out, appFolder);
  RenderShoplistDialogs(out, appFolder);
  std::filesystem::remove_all(appFolder);
  return 0;
}
