#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds in Release, runs the benchmarks and the start-up measurement, and
# prints every figure beside its floor or its target.
#   scripts/bench.sh                  everything
#   scripts/bench.sh --benchmark_filter=ReadItems   benchmark arguments pass on;
#                                     the start-up measurement runs too
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/bench
scripts/setup.sh bench

# The start-up measurement needs an X server of its own.
if ! command -v Xvfb > /dev/null; then
  echo "Installing: xvfb"
  if [ "$(id -u)" -eq 0 ]; then sudo_if_needed=(); else sudo_if_needed=(sudo); fi
  "${sudo_if_needed[@]}" apt-get update -qq
  "${sudo_if_needed[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb
fi

cmake --build --preset bench

# The list-store benchmarks work in the current folder: a real disk, where a
# flush costs what it costs the user.
(cd "$build_dir" && bench/tallyfox_bench --benchmark_repetitions=5 \
  --benchmark_report_aggregates_only=true "$@")
bench/startup.sh "$build_dir" 9
