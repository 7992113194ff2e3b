#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Real programs on an X display of the test's own. A second start on a folder
# in use brings the running program's window above a window that covered it,
# leaves with 0 and touches nothing, while the first runs on; with the first
# out of reach it says so and leaves with 1; a program on another folder runs
# beside; a killed program's socket does not stand in the way of the next.
#   second_instance_test.sh PROGRAM
# Xvfb picks a free display itself; TALLYFOX_TEST_DISPLAY=N makes it take :N
# (on a machine whose displays are shared out). It never resets: a server
# resetting after its last client left (a killed program, an xdotool call)
# refuses the next program for a moment.
set -euo pipefail
fail() { echo "FAIL: $*" >&2; exit 1; }
for tool in Xvfb xdotool xwininfo; do
  command -v "$tool" > /dev/null || fail "$tool is missing; scripts/setup.sh installs it"
done
work=$(mktemp -d)
trap 'kill $(jobs -p) 2> /dev/null; wait; rm -rf "$work"' EXIT

Xvfb ${TALLYFOX_TEST_DISPLAY:+":$TALLYFOX_TEST_DISPLAY"} -displayfd 3 -nolisten tcp -noreset \
  -screen 0 800x600x24 3> "$work/display" 2> "$work/xvfb.log" &
for _ in $(seq 300); do grep -q . "$work/display" && break; sleep 0.1; done
grep -q . "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(head -n 1 "$work/display")" QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"

for folder in one two; do
  mkdir "$work/$folder"
  cp "$1" "$work/$folder/tallyfox"
  printf 'C\0A\0\0\0\0\0\0\0\0\0' > "$work/$folder/tax.ini"
done

# Starts the program on a folder and waits for its window: by then it holds
# the folder and listens. Sets `started` and `window`.
start_on() {
  "$work/$1/tallyfox" 2>> "$work/programs.log" &
  started=$!
  for _ in $(seq 600); do
    window=$(xdotool search --onlyvisible --pid "$started" 2> /dev/null | head -n 1) || true
    [ -n "$window" ] && return 0
    sleep 0.1
  done
  fail "no window of the program on $1: $(cat "$work/programs.log")"
}
# The viewable top-level window on top; xwininfo lists the topmost first.
topmost() {
  local id
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    if xwininfo -id "$id" | grep -q "Map State: IsViewable"; then
      echo $((id))
      return
    fi
  done
}
fingerprint() {
  (cd "$1" && find . -type f -exec sha256sum {} + | sort && ls -lA --time-style=full-iso)
}
second_start_on() {
  status=0
  "$work/$1/tallyfox" 2> "$work/said" || status=$?
}

start_on one
kill -9 "$started"
wait "$started" 2> /dev/null || true
stale=$(ls "$XDG_RUNTIME_DIR")
[ -S "$XDG_RUNTIME_DIR/$stale" ] || fail "the killed program left no socket to test with"

start_on one
first=$started first_window=$window
socket=$(ls "$XDG_RUNTIME_DIR")
start_on two
[ "$(topmost)" = "$window" ] || fail "the window on two is not on top to begin with"

before=$(fingerprint "$work/one")
second_start_on one
[ "$status" -eq 0 ] || fail "the second start left with $status and said: $(cat "$work/said")"
[ "$(topmost)" = "$first_window" ] || fail "the first program's window is not on top"
[ "$(fingerprint "$work/one")" = "$before" ] || fail "the second start touched the folder"
kill -0 "$first" || fail "the first program did not run on"
kill -0 "$started" || fail "the program on two did not run on"

rm "$XDG_RUNTIME_DIR/$socket"
# Offscreen, the message goes to standard error instead of a box that would
# wait for a click.
QT_QPA_PLATFORM=offscreen second_start_on one
[ "$status" -eq 1 ] || fail "out of reach, the second start left with $status"
grep -qxF "tallyfox: Tallyfox is already running on this folder." "$work/said" ||
  fail "out of reach, the second start said: $(cat "$work/said")"
kill -0 "$first" || fail "the first program did not run on"
echo "second instance checks passed"
