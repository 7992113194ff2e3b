#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program on a folder and then a second copy on the same folder:
# the second says so, leaves with 1 and touches nothing, while the first runs
# on; a copy on another folder runs beside them; once the first is killed, a
# new start on its folder runs.
#   second_instance_test.sh PROGRAM
set -euo pipefail
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
for folder in one two; do
  mkdir "$work/$folder"
  cp "$1" "$work/$folder/tallyfox"
  printf 'C\0A\0\0\0\0\0\0\0\0\0' > "$work/$folder/tax.ini"
done
# True once a process holds the folder's lock; asking flock itself would take
# it for a moment and could turn the program away.
locked() { grep -q "FLOCK.*:$(stat -c %i "$1") " /proc/locks; }
# The program gives the folder its default rates after taking the lock, so
# it is settled once both are there.
start_on() {
  "$work/$1/tallyfox" &
  for _ in $(seq 1200); do
    locked "$work/$1" && [ -e "$work/$1/exrate.dat" ] && return 0
    sleep 0.1
  done
  fail "the program never took $1"
}

start_on one
first=$!
before=$(ls -lA --time-style=full-iso "$work/one")
status=0
"$work/one/tallyfox" 2> "$work/said" || status=$?
[ "$status" -eq 1 ] || fail "the second copy left with $status"
grep -qxF "tallyfox: Tallyfox is already running on this folder." "$work/said" ||
  fail "the second copy said: $(cat "$work/said")"
[ "$(ls -lA --time-style=full-iso "$work/one")" = "$before" ] || fail "the second copy touched files"
kill -0 "$first" || fail "the first copy did not run on"
start_on two
kill -9 "$first"
wait "$first" || true
start_on one
echo "second instance checks passed"
