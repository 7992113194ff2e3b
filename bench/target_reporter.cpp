// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "target_reporter.h"

#include <cstdio>
#include <optional>
#include <string_view>

namespace tallyfox::bench {
namespace {

constexpr double kMicrosecond = 1e3;
constexpr double kMillisecond = 1e6;

// A figure and what it is held to: a ratio to its floor, a time, or neither.
// A floor named "FIGURE#floor" was timed in the same iterations as the figure.
struct Target {
  const char* label;
  const char* figure;
  const char* floor;  // nullptr when the target is a time
  double limit;       // the ratio, or nanoseconds; 0 for none
};

constexpr Target kTargets[] = {
    {"ReadNumber", "BM_ReadNumber", "BM_ReadNumber_Floor", 0},
    {"FormatFixed2 (%.2f)", "BM_FormatFixed2", "BM_FormatFixed2_Floor", 0},
    {"FormatFixed4 (%.4f)", "BM_FormatFixed4", "BM_FormatFixed4_Floor", 0},
    {"FormatGeneral (%g)", "BM_FormatGeneral", "BM_FormatGeneral_Floor", 0},
    {"FormatInteger (%d)", "BM_FormatInteger", "BM_FormatInteger_Floor", 0},
    {"ConvertWeight", "BM_ConvertWeight", nullptr, 2 * kMicrosecond},
    {"ConvertLength", "BM_ConvertLength", nullptr, 2 * kMicrosecond},
    {"ConvertArea", "BM_ConvertArea", nullptr, 2 * kMicrosecond},
    {"ConvertVolume", "BM_ConvertVolume", nullptr, 2 * kMicrosecond},
    {"ConvertTemperature", "BM_ConvertTemperature", nullptr, 2 * kMicrosecond},
    {"Currency keystroke, every pair", "BM_CurrencyKeystroke", nullptr, 50 * kMicrosecond},
    {"Currency keystroke, last pair", "BM_CurrencyKeystrokeLastPair", nullptr, 50 * kMicrosecond},
    {"Currency keystroke vs reading the file", "BM_CurrencyKeystrokeLastPair",
     "BM_CurrencyKeystroke_Floor", 0},
    {"ReadItems 100", "BM_ReadItems/100", "BM_ReadItems_Floor/100", 0},
    {"ReadItems 1,000", "BM_ReadItems/1000", "BM_ReadItems_Floor/1000", 0},
    {"ReadItems 10,000", "BM_ReadItems/10000", "BM_ReadItems_Floor/10000", 3},
    {"AppendItem 100", "BM_AppendItem/100", "BM_AppendItem_Floor/100", 0},
    {"AppendItem 1,000", "BM_AppendItem/1000", "BM_AppendItem_Floor/1000", 0},
    {"AppendItem 10,000", "BM_AppendItem/10000", "BM_AppendItem_Floor/10000", 0},
    {"RewriteChecks 100", "BM_RewriteChecks/100", "BM_RewriteChecks/100#floor", 0},
    {"RewriteChecks 1,000", "BM_RewriteChecks/1000", "BM_RewriteChecks/1000#floor", 0},
    {"RewriteChecks 10,000", "BM_RewriteChecks/10000", "BM_RewriteChecks/10000#floor", 2},
    {"RewriteDelete 100", "BM_RewriteDelete/100", "BM_RewriteDelete/100#floor", 0},
    {"RewriteDelete 1,000", "BM_RewriteDelete/1000", "BM_RewriteDelete/1000#floor", 0},
    {"RewriteDelete 10,000", "BM_RewriteDelete/10000", "BM_RewriteDelete/10000#floor", 2},
    {"RewriteUpdate 100", "BM_RewriteUpdate/100", "BM_RewriteUpdate/100#floor", 0},
    {"RewriteUpdate 1,000", "BM_RewriteUpdate/1000", "BM_RewriteUpdate/1000#floor", 0},
    {"RewriteUpdate 10,000", "BM_RewriteUpdate/10000", "BM_RewriteUpdate/10000#floor", 2},
    {"Floor with the folder synced, 10,000", "BM_FloorWithFolderSync/10000",
     "BM_FloorWithFolderSync/10000#floor", 0},
    {"Sale page: Calc, 16 rows", "BM_SaleCalc", nullptr, 1 * kMillisecond},
    {"Shopping List opens, 10,000 items", "BM_OpenShoppingList/10000", nullptr, 150 * kMillisecond},
    {"Print to PDF, 10,000 items", "BM_PrintList/10000", nullptr, 2000 * kMillisecond},
};

std::string FigureName(const benchmark::BenchmarkReporter::Run& run) {
  const benchmark::BenchmarkName& name = run.run_name;
  return name.args.empty() ? name.function_name : name.function_name + "/" + name.args;
}

// Nanoseconds in the largest unit that keeps a digit before the point.
std::string Time(double nanoseconds) {
  char text[32];
  if (nanoseconds >= kMillisecond) {
    std::snprintf(text, sizeof text, "%.2f ms", nanoseconds / kMillisecond);
  } else if (nanoseconds >= kMicrosecond) {
    std::snprintf(text, sizeof text, "%.2f us", nanoseconds / kMicrosecond);
  } else {
    std::snprintf(text, sizeof text, "%.0f ns", nanoseconds);
  }
  return text;
}

}  // namespace

void TargetReporter::ReportRuns(const std::vector<Run>& runs) {
  for (const Run& run : runs) {
    if (run.error_occurred) continue;
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    if (median || single) {
      figures_[FigureName(run)] =
          run.GetAdjustedRealTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
      // A floor timed in the same iterations, in seconds per iteration.
      const auto floor = run.counters.find("floor");
      if (floor != run.counters.end()) figures_[FigureName(run) + "#floor"] = floor->second * 1e9;
    }
  }
  ConsoleReporter::ReportRuns(runs);
}

void TargetReporter::Finalize() {
  ConsoleReporter::Finalize();
  std::FILE* out = stdout;
  std::fprintf(out, "\n%-40s %12s %12s %8s %10s  %s\n", "Figure (median)", "time", "floor", "ratio",
               "target", "");
  int missed = 0;
  for (const Target& target : kTargets) {
    const auto figure = figures_.find(target.figure);
    const auto floor = target.floor ? figures_.find(target.floor) : figures_.end();
    if (figure == figures_.end() || (target.floor && floor == figures_.end())) continue;
    const double time = figure->second;
    std::string floorText = "-", ratioText = "-", limitText = "-", verdict;
    std::optional<double> measured;
    if (target.floor) {
      floorText = Time(floor->second);
      const double ratio = time / floor->second;
      char text[32];
      std::snprintf(text, sizeof text, "%.2fx", ratio);
      ratioText = text;
      if (target.limit > 0) {
        std::snprintf(text, sizeof text, "<= %.0fx", target.limit);
        limitText = text;
        measured = ratio;
      }
    } else if (target.limit > 0) {
      limitText = "< " + Time(target.limit);
      measured = time;
    }
    if (measured) {
      const bool met = target.floor ? *measured <= target.limit : *measured < target.limit;
      verdict = met ? "met" : "MISSED";
      if (!met) ++missed;
    }
    std::fprintf(out, "%-40s %12s %12s %8s %10s  %s\n", target.label, Time(time).c_str(),
                 floorText.c_str(), ratioText.c_str(), limitText.c_str(), verdict.c_str());
  }
  std::fprintf(out, "%s\n", missed == 0 ? "Every target met." : "Some targets missed.");
  std::fflush(out);
}

}  // namespace tallyfox::bench
