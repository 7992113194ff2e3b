// Renders every window of the program to PNG offscreen: the main window on
// each of its five tabs in both page sets, and every modal dialog.
//   render_windows OUTPUT_FOLDER

#include <QApplication>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/main_window.h"
#include "platform/display.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "res/main_ids.h"
#include "res/shoplist_ids.h"
#include "res/tax_setup_ids.h"
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

// A folder that looks like a used installation: a state is chosen.
std::filesystem::path MakeAppFolder() {
  const auto folder = std::filesystem::temp_directory_path() / "tallyfox-render";
  std::filesystem::create_directories(folder);
  std::ofstream tax(folder / "tax.ini", std::ios::binary | std::ios::trunc);
  tax.write("C\0A\0\0\0\0\0\0\0\0\0", 12);
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

// A modal dialog as its template builds it.
void RenderDialog(int templateNumber, const std::string& name, const std::filesystem::path& out) {
  tallyfox::UiScript script;
  script.ExpectDialog(templateNumber, [&](Dialog& dialog) {
    Save(dialog, out / (name + ".png"));
    dialog.EndDialog(tallyfox::kIdOk);
  });
  Dialog(templateNumber).DoModal();
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

  for (const PageSet& set : {PageSet{"portrait", {480, 640, 0}}, PageSet{"landscape", {640, 480, 90}}}) {
    RenderMainWindow(set, out, appFolder);
  }
  RenderTaxSetup(out, appFolder);
  RenderDialog(tallyfox::kIddAddList, "add-list", out);
  RenderDialog(tallyfox::kIddShoppingListPortrait, "shopping-list-portrait", out);
  RenderDialog(tallyfox::kIddShoppingListLandscape, "shopping-list-landscape", out);
  RenderDialog(tallyfox::kIddItemEdit, "item-edit", out);
  std::filesystem::remove_all(appFolder);
  return 0;
}
