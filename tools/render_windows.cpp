// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Renders every window of the program to PNG offscreen: the main window on
// each of its five tabs in both page sets, and every modal dialog.
//   render_windows OUTPUT_FOLDER

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QProcess>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "core/converter/units.h"
#include "core/shoplist/list_store.h"
#include "platform/display.h"
#include "platform/print.h"
#include "platform/test_seam.h"
#include "platform/widgets.h"
#include "platform/zoom.h"
#include "res/calc_ids.h"
#include "res/converter_ids.h"
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
  if (!WidgetOf(window)->grab().save(QString::fromStdString(file.string()))) {
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

// Chooses the entry as the user's own choice would.
void Choose(tallyfox::ListControl& list, int index) {
  list.SetCurSel(index);
  tallyfox::Notification change;
  change.code = tallyfox::Notify::SelChange;
  SendFrom(list, change);
}

void SelectTab(const Dialog& main, int tab) {
  auto& tabs = main.TabItem(tallyfox::kIdcTabControl);
  tabs.SetCurSel(tab);
  tallyfox::Notification change;
  change.code = tallyfox::Notify::SelChange;
  SendFrom(tabs, change);
}

void RenderMainWindow(const PageSet& set, const std::filesystem::path& out,
                      const std::filesystem::path& appFolder) {
  static const char* const kTabNames[] = {"sale", "discount", "shoplist", "converter", "about"};
  tallyfox::UiScript script;
  script.SetScreen(set.screen);
  script.SetModulePath(appFolder / "tallyfox");
  script.ExpectDialog(tallyfox::kIddMainPortrait, [&](Dialog& main) {
    for (int tab = 0; tab < 5; ++tab) {
      SelectTab(main, tab);
      Save(main, out / (std::string("main-") + set.name + "-" + kTabNames[tab] + ".png"));
    }
    main.EndDialog(tallyfox::kIdOk);
  });
  tallyfox::CTallyfoxDlg(appFolder).DoModal();
}

// The main window on the Sale page at 150 %, as three presses of Ctrl+Plus and
// one more leave it; the zoom is then put back.
void RenderZoomedMainWindow(const std::filesystem::path& out,
                            const std::filesystem::path& appFolder) {
  tallyfox::SetZoom(150);
  tallyfox::UiScript script;
  script.SetScreen({480, 640, 0});
  script.SetModulePath(appFolder / "tallyfox");
  script.ExpectDialog(tallyfox::kIddMainPortrait, [&](Dialog& main) {
    Save(main, out / "main-portrait-sale-150.png");
    main.EndDialog(tallyfox::kIdOk);
  });
  tallyfox::CTallyfoxDlg(appFolder).DoModal();
  tallyfox::SetZoom(tallyfox::kNormalZoom);
}

// The window with `popup` drawn over it at `at` (window coordinates), as a
// menu or tooltip opens there; neither can be grabbed on screen offscreen.
void SaveWithPopup(const Dialog& window, QWidget& popup, QPoint at,
                   const std::filesystem::path& file) {
  QApplication::processEvents();
  const QPixmap shown = WidgetOf(window)->grab();
  popup.ensurePolished();
  popup.resize(popup.sizeHint());  // adjustSize() keeps a window within the screen
  const QPixmap opened = popup.grab();
  // A popup may reach past the window, as on a desktop.
  const QSize size = shown.deviceIndependentSize().toSize().expandedTo(
      QSize(at.x(), at.y()) + opened.deviceIndependentSize().toSize());
  QPixmap picture(size * shown.devicePixelRatio());
  picture.setDevicePixelRatio(shown.devicePixelRatio());
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.drawPixmap(0, 0, shown);
  painter.drawPixmap(at, opened);
  painter.end();
  if (!picture.save(QString::fromStdString(file.string()))) {
    std::fprintf(stderr, "render_windows: cannot write %s\n", file.c_str());
  }
}

// A label that looks like the style's tooltip, under control `id` of `page`.
void SaveWithToolTip(const Dialog& window, const Dialog& page, int id,
                     const std::filesystem::path& file) {
  QWidget* control = WidgetOf(page.Item(id));
  QLabel tip(control->toolTip());
  tip.setPalette(QToolTip::palette());
  tip.setFont(QToolTip::font());
  tip.setAutoFillBackground(true);
  tip.setFrameStyle(QFrame::Box | QFrame::Plain);
  tip.setMargin(3);
  tip.resize(tip.sizeHint());
  const QPoint below = control->mapTo(WidgetOf(window), QPoint(0, control->height() + 2));
  const int x = std::max(0, std::min(below.x(), WidgetOf(window)->width() - tip.width()));
  SaveWithPopup(window, tip, {x, below.y()}, file);
}

// The Sale page after "Calc" on 12.00 and 20.90 with CA, its Tax tooltip shown.
void RenderSaleTooltip(const std::filesystem::path& out, const std::filesystem::path& appFolder) {
  tallyfox::UiScript script;
  script.SetScreen({480, 640, 0});
  script.SetModulePath(appFolder / "tallyfox");
  script.ExpectDialog(tallyfox::kIddMainPortrait, [&](Dialog& main) {
    Dialog& sale = static_cast<tallyfox::CTallyfoxDlg&>(main).PageAt(0);
    sale.SetItemText(tallyfox::kSalePriceIds[0], u"12");
    sale.SetItemText(tallyfox::kSalePriceIds[1], u"11");
    sale.SetItemText(tallyfox::kSalePercentIds[1], u"5");
    sale.SetItemText(tallyfox::kSaleQtyIds[1], u"2");
    sale.CheckBoxItem(tallyfox::kIdcWithTax).SetChecked(true);
    tallyfox::Notification click;
    click.code = tallyfox::Notify::Clicked;
    SendFrom(sale.Item(tallyfox::kIdcSaleCalc), click);
    SaveWithToolTip(main, sale, tallyfox::kIdcSaleTax, out / "sale-tax-tooltip.png");
    main.EndDialog(tallyfox::kIdOk);
  });
  tallyfox::CTallyfoxDlg(appFolder).DoModal();
}

// The top of the printed page, from the PDF by pdftoppm (poppler-utils),
// where it is installed.
void SavePrintedPage(const std::filesystem::path& pdf, const std::filesystem::path& out) {
  const int scale = qRound(qApp->devicePixelRatio());
  QStringList arguments = QStringLiteral("-png -singlefile -r %1 -W %2 -H %3")
                              .arg(60 * scale)
                              .arg(500 * scale)
                              .arg(195 * scale)
                              .split(u' ');
  arguments << QString::fromStdString(pdf.string())
            << QString::fromStdString((out / "printed-list").string());
  if (QProcess::execute(QStringLiteral("pdftoppm"), arguments) != 0) {
    std::fputs("render_windows: no pdftoppm, so no printed-list.png\n", stderr);
  }
}

// The Shopping List's context menu, its tax tooltip and the list printed.
void RenderListExport(const Dialog& list, const std::filesystem::path& out) {
  QWidget* table = WidgetOf(list.Item(tallyfox::kIdcShoppingListTable));
  QMenu menu;
  menu.addActions(table->actions());
  const QPoint at = table->mapTo(WidgetOf(list), QPoint(table->width() / 3, table->height() / 4));
  SaveWithPopup(list, menu, at, out / "shopping-list-menu.png");
  SaveWithToolTip(list, list, tallyfox::kIdcShoppingListTax, out / "shopping-list-tooltip.png");
  const std::filesystem::path pdf = std::filesystem::temp_directory_path() / "tallyfox-list.pdf";
  {
    const tallyfox::ScopedPrintToPdf printer(pdf);
    for (QAction* action : table->actions()) {
      if (action->text() == QStringLiteral("Print\u2026")) action->trigger();
    }
  }
  SavePrintedPage(pdf, out);
  std::filesystem::remove(pdf);
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
  SendFrom(dialog.Item(id), click);
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

// One row ticked, the first selected and the tax shown.
void TickAndTax(Dialog& list) {
  auto& table = list.ListViewItem(tallyfox::kIdcShoppingListTable);
  table.SetTicked(1, true);
  table.SelectRow(0);
  list.CheckBoxItem(tallyfox::kIdcWithTax).SetChecked(true);
  Press(list, tallyfox::kIdcWithTax);
}

// The values the list windows are drawn with: California's tax, over the
// list "groceries" in `appFolder`.
struct ListWindowValues {
  explicit ListWindowValues(const std::filesystem::path& appFolder) {
    values.appFolder = appFolder;
    values.taxSetting.stateCode = u"CA";
    state.currentListName = u"groceries";
  }
  tallyfox::ProgramValues values;
  tallyfox::ShoplistState state;
};

// Add List and the Shopping List in both forms, through their own classes,
// over the list "groceries" with one item ticked and the tax shown.
void RenderShoplistDialogs(const std::filesystem::path& out,
                           const std::filesystem::path& appFolder) {
  ListWindowValues listValues(appFolder);
  auto& [values, state] = listValues;
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
      TickAndTax(list);
      Save(list, out / (landscape ? "shopping-list-landscape.png" : "shopping-list-portrait.png"));
      if (!landscape) RenderItemEdit(script, list, out);
      if (!landscape) RenderListExport(list, out);
      list.EndDialog(tallyfox::kIdCancel);
    });
    shopList->DoModal();
  }
}

// The colours of a dark desktop scheme (KDE's Breeze Dark).
QPalette DarkPalette() {
  const QColor text(252, 252, 252);
  QPalette palette(QColor(41, 44, 48), QColor(32, 35, 38));  // button, window
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::ButtonText, text);
  palette.setColor(QPalette::Text, text);
  palette.setColor(QPalette::Base, QColor(20, 22, 24));
  palette.setColor(QPalette::AlternateBase, QColor(29, 31, 34));
  palette.setColor(QPalette::Highlight, QColor(61, 174, 233));
  palette.setColor(QPalette::HighlightedText, text);
  for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    palette.setColor(QPalette::Disabled, role, QColor(110, 113, 116));
  }
  return palette;
}

// The children's shoe table and a Shopping List under a dark scheme.
void RenderDarkScheme(const std::filesystem::path& out, const std::filesystem::path& appFolder) {
  const QPalette light = QApplication::palette();
  QApplication::setPalette(DarkPalette());
  ListWindowValues listValues(appFolder);
  auto& [values, state] = listValues;
  tallyfox::UiScript script;
  script.SetScreen({480, 640, 0});
  script.SetModulePath(appFolder / "tallyfox");
  script.ExpectDialog(tallyfox::kIddMainPortrait, [&](Dialog& main) {
    SelectTab(main, 3);
    Dialog& converter = static_cast<tallyfox::CTallyfoxDlg&>(main).PageAt(3);
    Choose(converter.DropDownItem(tallyfox::kIdcCategoryList),
           static_cast<int>(tallyfox::ConverterCategory::ChildrensShoes));
    Save(main, out / "dark-childrens-shoes.png");
    main.EndDialog(tallyfox::kIdOk);
  });
  tallyfox::CTallyfoxDlg(appFolder).DoModal();
  tallyfox::CDlgShopList list(values, state);
  script.ExpectDialog(list.templateNumber(), [&](Dialog& shown) {
    TickAndTax(shown);
    Save(shown, out / "dark-shopping-list.png");
    shown.EndDialog(tallyfox::kIdCancel);
  });
  list.DoModal();
  QApplication::setPalette(light);
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
  RenderSaleTooltip(out, appFolder);
  RenderZoomedMainWindow(out, appFolder);
  RenderDarkScheme(out, appFolder);
  std::filesystem::remove_all(appFolder);
  return 0;
}
