#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets (clang++, libFuzzer, AddressSanitizer and UBSan)
# and runs each one for a bounded time, starting from the seeds in
# fuzz/corpus/ and what earlier runs found (kept in build/fuzz/corpus/).
#   scripts/fuzz.sh            every target for 60 seconds
#   scripts/fuzz.sh 600        every target for 10 minutes
#   scripts/fuzz.sh 60 list_file   one target (tax_record, list_file, rate_file)
# An input that breaks a target is saved as build/fuzz/artifacts/TARGET-crash-...;
# rerun it with build/fuzz/fuzz/fuzz_TARGET FILE.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
shift || true
targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(tax_record list_file rate_file)

build_dir=build/fuzz
TALLYFOX_EXTRA_PACKAGES="clang libclang-rt-14-dev" scripts/setup.sh fuzz > /dev/null
cmake --build --preset fuzz

export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# The targets write their files under TMPDIR: in memory where there is some.
if [ -d /dev/shm ]; then export TMPDIR=/dev/shm; fi
mkdir -p "$build_dir/artifacts"
passed=0
failed=0
for target in "${targets[@]}"; do
  found="$build_dir/corpus/$target"
  log="$build_dir/fuzz_$target.log"
  mkdir -p "$found"
  if "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$build_dir/artifacts/$target-" "$found" "fuzz/corpus/$target" \
      > "$log" 2>&1; then
    passed=$((passed + 1))
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    echo "fuzz_$target: $runs executions in ${seconds} s, no failure"
  else
    failed=$((failed + 1))
    echo "fuzz_$target: FAILED (see $log)"
    grep -E "property broken|ERROR|runtime error|SUMMARY|Test unit written" "$log" | head -20
  fi
done
echo "fuzz: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
