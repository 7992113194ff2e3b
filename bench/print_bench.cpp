// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// "Print…" on an open Shopping List of 10,000 items, to a PDF file: from the
// menu command to the file complete on the disk.

#include <benchmark/benchmark.h>

#include <QAction>
#include <QWidget>
#include <chrono>
#include <filesystem>

#include "bench_data.h"
#include "core/files/files.h"
#include "platform/print.h"
#include "platform/test_seam.h"
#include "shoplist/shopping_list_dialog.h"

namespace tallyfox::bench {
namespace {

void ChoosePrint(const Dialog& list) {
  for (QAction* action : WidgetOf(list.Item(kIdcShoppingListTable))->actions()) {
    if (action->text() == QStringLiteral("Print\u2026")) action->trigger();
  }
}

void BM_PrintList(benchmark::State& state) {
  const ScratchFolder folder;
  WriteBytes(folder.path() / "groceries.csv",
             EncodeUtf16Le(ListFileText(static_cast<int>(state.range(0)))));
  ProgramValues values;
  values.appFolder = folder.path();
  values.taxSetting.stateCode = u"CA";
  ShoplistState shoplist{u"groceries", {}};
  const std::filesystem::path pdf = folder.path() / "printed.pdf";
  UiScript script;
  CDlgShopList dialog(values, shoplist);
  script.ExpectDialog(kIddShoppingListPortrait, [&](Dialog& shown) {
    const ScopedPrintToPdf printer(pdf);
    for (auto _ : state) {
      const auto start = std::chrono::steady_clock::now();
      ChoosePrint(shown);
      state.SetIterationTime(
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    if (!std::filesystem::exists(pdf)) state.SkipWithError("no PDF was written");
    state.counters["pdf_bytes"] = static_cast<double>(std::filesystem::file_size(pdf));
    shown.EndDialog(kIdOk);
  });
  dialog.DoModal();
  if (!script.Failures().empty()) state.SkipWithError(script.Failures().front().c_str());
}

BENCHMARK(BM_PrintList)->Arg(10'000)->Unit(benchmark::kMillisecond)->UseManualTime();

}  // namespace
}  // namespace tallyfox::bench
