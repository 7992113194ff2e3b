// SPDX-FileCopyrightText: 2026 The Tallyfox developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Prints the usual console report, then each figure that has a target or a
// floor, beside it: the ratio to read, and whether the target is met.

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace tallyfox::bench {

class TargetReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  // Nanoseconds per iteration by benchmark name without its time suffix:
  // the median of the repetitions, or the one run when there is one.
  std::map<std::string, double> figures_;
};

}  // namespace tallyfox::bench
