#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up as a user sees it: from exec to the first window mapped, on an X
# display with no window manager, and the peak memory once it has settled.
# The installed program runs over realistic data beside a bare Qt dialog with
# five tabs; after a warm-up of each, RUNS runs of each, taken in turns.
# Prints both medians, the ratio and the difference in memory.
#   bench/startup.sh BUILD_DIR [RUNS]
# KEEP=1 keeps the folder with the data and every run's figures.
set -euo pipefail

build_dir=$(realpath "$1")
runs=${2:-9}
work=$(mktemp -d)
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  if [ -n "${KEEP:-}" ]; then echo "kept $work" >&2; else rm -rf "$work"; fi
}
trap cleanup EXIT

# The program as installed, over a data folder of its own.
cmake --install "$build_dir" --prefix "$work/prefix" > /dev/null
app_dir="$work/data"
mkdir -p "$app_dir"
tallyfox="$work/prefix/bin/tallyfox"
bare="$build_dir/bench/bare_dialog"
timer="$build_dir/bench/map_timer"

# The data of someone who uses it: California's tax chosen, five lists of
# twenty items; exrate.dat comes from the program at its first start.
printf 'C\0A\0\0\0\0\0\0\0\0\0' > "$app_dir/tax.ini"
write_list() {
  local name=$1 i
  {
    printf '\xef\xbb\xbf\n'
    for i in $(seq 1 20); do
      printf '%d  %s_%d  %d  %s  %d.%02d\n' $((i % 3 == 0)) "$name" "$i" $((1 + i % 4)) \
        food $((i * 7 % 40)) $((i * 37 % 100))
    done
  } | iconv -f UTF-8 -t UTF-16LE > "$app_dir/$name.csv"
}
for name in groceries weekend hardware pharmacy party; do write_list "$name"; done

# Without -noreset the server resets when a program exits, and may refuse the
# next one while it does.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3> "$work/display" 2> "$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 1 100); do
  [ -s "$work/display" ] && break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "startup.sh: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

# One run: "MILLISECONDS KILOBYTES" appended to the named file.
measure() {
  local name=$1
  shift
  if ! "$timer" "$@" >> "$work/$name.txt" 2>> "$work/programs.log"; then
    echo "startup.sh: $1 did not start:" >&2
    cat "$work/programs.log" >&2
    exit 1
  fi
}

measure warmup "$bare"
measure warmup "$tallyfox" --data-dir "$app_dir"
for _ in $(seq 1 "$runs"); do
  measure bare "$bare"
  measure tallyfox "$tallyfox" --data-dir "$app_dir"
done

median() { cut -d' ' -f"$2" "$work/$1.txt" | sort -n | awk '{ v[NR] = $1 } END {
  print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

awk -v runs="$runs" -v bare_ms="$(median bare 1)" -v bare_kb="$(median bare 2)" \
    -v app_ms="$(median tallyfox 1)" -v app_kb="$(median tallyfox 2)" 'BEGIN {
  ratio = app_ms / bare_ms
  # The kernel counts kibibytes; the targets are in megabytes of 10^6 bytes.
  bare_mb = bare_kb * 1024 / 1e6; app_mb = app_kb * 1024 / 1e6; extra = app_mb - bare_mb
  printf "\nStart-up to the first window mapped, median of %d runs after a warm-up\n", runs
  printf "%-22s %10s %14s\n", "", "time", "peak memory"
  printf "%-22s %7.1f ms %11.1f MB\n", "bare Qt dialog", bare_ms, bare_mb
  printf "%-22s %7.1f ms %11.1f MB\n", "Tallyfox", app_ms, app_mb
  printf "%-22s %9.2fx %+11.1f MB\n", "Tallyfox against it", ratio, extra
  printf "%-22s %10s %14s\n", "target", "<= 1.30x", "<= +8.0 MB"
  printf "%-22s %10s %14s\n", "", ratio <= 1.3 ? "met" : "MISSED", extra <= 8 ? "met" : "MISSED"
}'
