// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The list store on lists of 100, 1,000 and 10,000 items, each operation
// beside the simplest code that moves the same bytes: reading them into
// memory, appending them, or writing a new file, flushing it and renaming it
// over the old one.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <vector>

#include "bench_data.h"
#include "core/shoplist/list_lines.h"
#include "core/shoplist/list_store.h"

namespace tallyfox::bench {
namespace {

constexpr std::u16string_view kListName = u"groceries";
constexpr const char* kListFileName = "groceries.csv";
constexpr const char* kScratchFileName = "floor.scratch";
// Appends grow the list; it is put back this often, outside the timing.
constexpr int kAppendsBetweenRestores = 64;

// A list of `itemCount` items in a folder of its own.
class StoredList {
 public:
  explicit StoredList(int itemCount) : bytes_(EncodeUtf16Le(ListFileText(itemCount))) { Restore(); }

  const std::filesystem::path& folder() const { return folder_.path(); }
  std::filesystem::path file() const { return folder_.path() / kListFileName; }
  const std::vector<std::byte>& bytes() const { return bytes_; }
  void Restore() const { WriteBytes(file(), bytes_); }

 private:
  ScratchFolder folder_;
  std::vector<std::byte> bytes_;
};

int ItemCount(const benchmark::State& state) { return static_cast<int>(state.range(0)); }

void CheckDone(benchmark::State& state, bool done) {
  if (!done) state.SkipWithError("the store refused an operation on good data");
}

void BM_ReadItems(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  FailingReporter reporter;
  ListStore store(list.folder(), reporter);
  for (auto _ : state) {
    std::optional<ListContents> contents = store.ReadItems(kListName);
    benchmark::DoNotOptimize(contents);
  }
}

void BM_ReadItems_Floor(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  for (auto _ : state) {
    std::vector<std::byte> bytes = ReadFileBytes(list.file());
    benchmark::DoNotOptimize(bytes.data());
  }
}

const ListItem kNewItem{false, u"sparkling_water", u"2", u"food", u"3.98"};

// Runs `append` once per iteration, putting the list back now and then.
template <class Append>
void AppendNow(benchmark::State& state, const StoredList& list, Append append) {
  int sinceRestore = 0;
  for (auto _ : state) {
    append();
    if (++sinceRestore == kAppendsBetweenRestores) {
      state.PauseTiming();
      list.Restore();
      sinceRestore = 0;
      state.ResumeTiming();
    }
  }
}

void BM_AppendItem(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  FailingReporter reporter;
  ListStore store(list.folder(), reporter);
  AppendNow(state, list, [&] { CheckDone(state, store.AppendItem(kListName, kNewItem)); });
}

void BM_AppendItem_Floor(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  const std::vector<std::byte> line = EncodeUtf16Le(
      FormatItemLine({u"0", kNewItem.name, kNewItem.qty, kNewItem.catalog, kNewItem.price}));
  AppendNow(state, list, [&] {
    const int descriptor = open(list.file().c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
    CheckDone(state, descriptor >= 0 && write(descriptor, line.data(), line.size()) ==
                                            static_cast<ssize_t>(line.size()));
    close(descriptor);
  });
}

// Every `step`th position, 1-based, as the Shopping List dialog passes them.
std::vector<int> EveryNth(int itemCount, int step) {
  std::vector<int> positions;
  for (int position = step; position <= itemCount; position += step) positions.push_back(position);
  return positions;
}

// The list's bytes into a new file, onto the disk, and renamed over the
// list; with `syncFolder`, the folder synced as well, so that the rename
// itself survives a crash.
bool ReplaceWithBytes(const StoredList& list, bool syncFolder) {
  const std::filesystem::path scratch = list.folder() / kScratchFileName;
  const std::vector<std::byte>& bytes = list.bytes();
  const int descriptor = open(scratch.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  const bool written =
      descriptor >= 0 &&
      write(descriptor, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) &&
      fsync(descriptor) == 0;
  const bool closed = close(descriptor) == 0;
  if (!written || !closed || rename(scratch.c_str(), list.file().c_str()) != 0) return false;
  if (!syncFolder) return true;
  const int folder = open(list.folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  const bool synced = folder >= 0 && fsync(folder) == 0;
  close(folder);
  return synced;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// Each iteration times `rewrite`, then the floor on the same list: the list's
// original bytes written, flushed and renamed over it, which also puts the
// list back for the next rewrite. Taken in turns, both meet the same disk,
// where another program's writes can make a flush wait ten times longer
// from one second to the next. The floor's time is the counter "floor".
template <class Rewrite>
void RewriteBesideFloor(benchmark::State& state, const StoredList& list, Rewrite rewrite) {
  double floorSeconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    CheckDone(state, static_cast<bool>(rewrite()));
    state.SetIterationTime(SecondsSince(start));
    const auto floorStart = std::chrono::steady_clock::now();
    CheckDone(state, ReplaceWithBytes(list, false));
    floorSeconds += SecondsSince(floorStart);
  }
  state.counters["floor"] = benchmark::Counter(floorSeconds, benchmark::Counter::kAvgIterations);
}

void BM_RewriteChecks(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  FailingReporter reporter;
  ListStore store(list.folder(), reporter);
  // Two sets in turn, so that every rewrite changes the file.
  const std::vector<int> ticks[] = {EveryNth(ItemCount(state), 3), EveryNth(ItemCount(state), 5)};
  double subtotal = 0;
  int turn = 0;
  RewriteBesideFloor(state, list, [&] {
    turn = 1 - turn;
    return store.RewriteChecks(kListName, ticks[turn], subtotal);
  });
}

void BM_RewriteDelete(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  FailingReporter reporter;
  ListStore store(list.folder(), reporter);
  double subtotal = 0;
  RewriteBesideFloor(
      state, list, [&] { return store.RewriteDelete(kListName, ItemCount(state) / 2, subtotal); });
}

void BM_RewriteUpdate(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  FailingReporter reporter;
  ListStore store(list.folder(), reporter);
  double subtotal = 0;
  int turn = 0;
  RewriteBesideFloor(state, list, [&] {
    turn = 1 - turn;
    return store.RewriteUpdate(kListName, ItemCount(state) / 2, 2 + turn, 3.5 + turn, 4.5 - turn,
                               subtotal);
  });
}

// Not held to a target, but for reading the ratios: what syncing the folder
// after the rename, as a crash-safe replace does, adds to the floor.
void BM_FloorWithFolderSync(benchmark::State& state) {
  const StoredList list(ItemCount(state));
  RewriteBesideFloor(state, list, [&] { return ReplaceWithBytes(list, true); });
}

void ListSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(100)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMicrosecond)->UseRealTime();
}

void RewrittenListSizes(benchmark::internal::Benchmark* benchmark) {
  benchmark->Arg(100)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMicrosecond)->UseManualTime();
}

BENCHMARK(BM_ReadItems)->Apply(ListSizes);
BENCHMARK(BM_ReadItems_Floor)->Apply(ListSizes);
BENCHMARK(BM_AppendItem)->Apply(ListSizes);
BENCHMARK(BM_AppendItem_Floor)->Apply(ListSizes);
BENCHMARK(BM_RewriteChecks)->Apply(RewrittenListSizes);
BENCHMARK(BM_RewriteDelete)->Apply(RewrittenListSizes);
BENCHMARK(BM_RewriteUpdate)->Apply(RewrittenListSizes);
BENCHMARK(BM_FloorWithFolderSync)->Arg(10'000)->Unit(benchmark::kMicrosecond)->UseManualTime();

}  // namespace
}  // namespace tallyfox::bench
