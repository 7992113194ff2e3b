// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Windows through real widgets on the offscreen platform, driven the way the
// window tests drive them: "Calc" on a filled Sale page, and the Shopping
// List dialog opening on a long list.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QAbstractButton>
#include <QCoreApplication>
#include <QTest>
#include <chrono>
#include <string>

#include "bench_data.h"
#include "calc/sale_page.h"
#include "core/common/numbers.h"
#include "platform/dialog.h"
#include "platform/test_seam.h"
#include "res/main_ids.h"
#include "res/tax_control_ids.h"
#include "shoplist/shopping_list_dialog.h"

namespace tallyfox::bench {
namespace {

void Click(const Dialog& dialog, int id) {
  QTest::mouseClick(static_cast<QAbstractButton*>(WidgetOf(dialog.Item(id))), Qt::LeftButton);
}

// Lets the window paint what changed, as it would before the user sees it.
void Paint() { QCoreApplication::processEvents(); }

// Heap in use, in bytes: what the allocator handed out and not yet took back.
double HeapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

void CheckScript(benchmark::State& state, const UiScript& script) {
  const std::vector<std::string> failures = script.Failures();
  if (!failures.empty()) state.SkipWithError(failures.front().c_str());
}

ProgramValues ValuesIn(const std::filesystem::path& folder) {
  ProgramValues values;
  values.appFolder = folder;
  values.taxSetting.stateCode = u"CA";
  return values;
}

void FillSaleRows(CDialogTab2& page) {
  for (std::size_t row = 0; row < kSalePriceIds.size(); ++row) {
    const int index = static_cast<int>(row);
    page.SetItemText(kSalePriceIds[row], FormatFixed2(10.99 + index));
    page.SetItemText(kSalePercentIds[row], FormatInteger(index % 4 * 10));
    page.SetItemText(kSaleQtyIds[row], FormatInteger(1 + index % 3));
  }
}

// Sixteen filled rows, tax on: every click computes and shows every result.
void BM_SaleCalc(benchmark::State& state) {
  const ScratchFolder folder;
  ProgramValues values = ValuesIn(folder.path());
  UiScript script;
  CDialogTab2 page(values);
  script.ExpectDialog(kIddMainPortrait, [&](Dialog& host) {
    page.Create(host.Item(kIdcTabControl));
    page.ShowWindow(true);
    FillSaleRows(page);
    Click(page, kIdcWithTax);
    Paint();
    for (auto _ : state) {
      Click(page, kIdcSaleCalc);
      Paint();
    }
    if (page.ItemText(kIdcSaleTotal).empty()) state.SkipWithError("Calc showed no total");
    page.DestroyWindow();
    host.EndDialog(kIdOk);
  });
  Dialog(kIddMainPortrait).DoModal();
  CheckScript(state, script);
}

// From the start of the modal run to the first paint of the filled table; and
// the heap the open dialog holds beside the size of the file it shows.
void BM_OpenShoppingList(benchmark::State& state) {
  const ScratchFolder folder;
  const std::vector<std::byte> file = EncodeUtf16Le(ListFileText(static_cast<int>(state.range(0))));
  WriteBytes(folder.path() / "groceries.csv", file);
  ProgramValues values = ValuesIn(folder.path());
  ShoplistState shoplist{u"groceries", {}};
  UiScript script;
  double held = 0;
  for (auto _ : state) {
    const double heapBefore = HeapInUse();
    CDlgShopList dialog(values, shoplist);
    std::chrono::duration<double> opening{};
    const auto start = std::chrono::steady_clock::now();
    script.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& shown) {
      Paint();
      opening = std::chrono::steady_clock::now() - start;
      held = HeapInUse() - heapBefore;
      if (shown.ListViewItem(kIdcShoppingListTable).ItemCount() != state.range(0)) {
        state.SkipWithError("the table is not filled");
      }
      shown.EndDialog(kIdOk);
    });
    dialog.DoModal();
    state.SetIterationTime(opening.count());
  }
  const auto fileBytes = static_cast<double>(file.size());
  state.counters["file_bytes"] = fileBytes;
  state.counters["held_bytes"] = held;
  state.counters["held_per_file_byte"] = held / fileBytes;
  CheckScript(state, script);
}

BENCHMARK(BM_SaleCalc)->Unit(benchmark::kMicrosecond)->UseRealTime();
BENCHMARK(BM_OpenShoppingList)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
}  // namespace tallyfox::bench
