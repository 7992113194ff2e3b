#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The command line as a user meets it: --help and --version with no display,
# Qt's own options taken, a data folder that cannot serve refused with or
# without a display, and a new folder given the built-in rates.
#   command_line_test.sh PROGRAM RATE_FILE
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill -9 $(jobs -p) 2> /dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

[ "$(headless "$program" --help | head -1)" = "Usage: tallyfox [options]" ] || fail "--help"
headless "$program" --version > "$work/version"
grep -qx "tallyfox [0-9.]*" "$work/version" || fail "--version has no name and version line"
grep -q "^Copyright (C) 2026 The Tallyfox developers$" "$work/version" || fail "no copyright line"
grep -q "^License GPLv3+" "$work/version" || fail "no licence line"

for display in headless env; do
  status=0
  said=$($display "$program" --data-dir /etc/passwd 2>&1) || status=$?
  [ "$status:$said" = "1:tallyfox: The data folder /etc/passwd is not a folder." ] ||
    fail "$display, a file as the data folder: $status:$said"
done
status=0
said=$(headless "$program" --data-dir "" 2>&1) || status=$?
[ "$status:$(head -1 <<< "$said")" = "1:tallyfox: --data-dir needs a folder." ] ||
  fail "an empty --data-dir: $status:$said"
# A copy of the program alone in its folder, so that it is no portable copy.
mkdir "$work/bin"
cp "$program" "$work/bin/tallyfox"
status=0
said=$(headless env -u HOME -u XDG_DATA_HOME "$work/bin/tallyfox" 2>&1) || status=$?
[ "$status" = 1 ] && grep -q "Neither HOME nor XDG_DATA_HOME is set" <<< "$said" ||
  fail "without HOME: $status:$said"

# Qt's options reach Qt; a new folder gets the rates built into the program.
QT_QPA_PLATFORM=offscreen "$program" -style Fusion -reverse -qwindowgeometry 300x400 \
  --data-dir "$work/new" 2> "$work/said" &
# The rates are given after the lock is taken, through one atomic replace:
# once the file is there, it is whole.
for _ in $(seq 1200); do [ -e "$work/new/exrate.dat" ] && break; sleep 0.1; done
cmp -s "$2" "$work/new/exrate.dat" || fail "the new folder did not get the rates: $(cat "$work/said")"
echo "command line checks passed"
