#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# --export-list prints a list with no display, writing nothing, and says so
# when its output cannot be written.   export_list_test.sh PROGRAM
set -euo pipefail
dir=$(mktemp -d)
printed=$(mktemp)
trap 'rm -rf "$dir" "$printed"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
printf 'C\0A\0\0\0\0\0\0\0\0\0' > "$dir/tax.ini"
printf '\n1  milk  1  food  8.00\n0  soap  1  home  2.25\n' | iconv -t UTF-16LE |
  cat <(printf '\xff\xfe') - > "$dir/groceries.csv"
# A name with words, one with a terminal's escape sequence and a NUL.
printf '\n0  olive\xc2\xa0oil  1  food  2.00\n0  \033[2Jgone\0x  1  food  1.00\n' |
  iconv -f UTF-8 -t UTF-16LE | cat <(printf '\xff\xfe') - > "$dir/odd.csv"
before=$(ls -lA --time-style=full-iso "$dir")
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --export-list groceries --data-dir "$dir")
# California taxes food at 0: 2.25 × 7.25 % = 0.163125
[ "$out" = $'groceries\n☑ 1 milk (food) 8.00\n☐ 1 soap (home) 2.25\nTax:  0.16\nTotal:  10.41' ] ||
  fail "printed: $out"
status=0
said=$("$1" --export-list nothing --data-dir "$dir" 2>&1 > /dev/null) || status=$?
[ "$status:$said" = "1:tallyfox: Failed to open list file." ] || fail "a missing list: $status:$said"
[ "$(ls -lA --time-style=full-iso "$dir")" = "$before" ] || fail "the export changed files"
printf 'S...8\x00.\x002\x005\x00' > "$dir/tax.ini"  # a typed 8.25 % on food too: 0.845625
[ "$("$1" --export-list groceries --data-dir "$dir" | tail -2)" = $'Tax:  0.85\nTotal:  11.10' ] ||
  fail "a typed rate printed other totals"
rm "$dir/tax.ini" && mkdir "$dir/tax.ini"  # there, but nothing to read
[ "$("$1" --export-list groceries --data-dir "$dir" 2>&1 > /dev/null)" = "tallyfox: Read tax file failed!" ] ||
  fail "an unreadable tax file went unsaid"
rmdir "$dir/tax.ini"  # no state chosen: no tax line
[ "$("$1" --export-list groceries --data-dir "$dir" | tail -2)" = $'☐ 1 soap (home) 2.25\nTotal:  10.25' ] ||
  fail "without a state printed a tax"
"$1" --export-list odd --data-dir "$dir" > "$printed"
cmp -s "$printed" <(printf 'odd\n☐ 1 olive oil (food) 2.00\n☐ 1 \xef\xbf\xbd[2Jgone\xef\xbf\xbdx (food) 1.00\nTotal:  3.00\n') ||
  fail "odd names printed: $(od -c "$printed")"
for output in /dev/full closed; do
  status=0
  if [ "$output" = closed ]; then
    said=$("$1" --export-list groceries --data-dir "$dir" 2>&1 >&-) || status=$?
  else
    said=$("$1" --export-list groceries --data-dir "$dir" 2>&1 > "$output") || status=$?
  fi
  [[ "$status:$said" == "1:tallyfox: Failed to write the list: "* ]] || fail "$output: $status:$said"
done
