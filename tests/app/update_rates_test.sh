#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# --update-rates from a file with no display: prints the date and the pairs
# changed; a failure says why, leaves 1 and the rate file byte for byte; so
# does a folder another program holds.   update_rates_test.sh PROGRAM
set -euo pipefail
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
run() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$1" --data-dir "$dir/data" --update-rates "$2"; }
mkdir "$dir/data"
printf '\n19  0  0.0117  \n' | iconv -t UTF-16LE | cat <(printf '\xff\xfe') - > "$dir/data/exrate.dat"
cat > "$dir/daily.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<gesmes:Envelope xmlns:gesmes="http://www.gesmes.org/xml/2002-08-01" xmlns="http://www.ecb.int/vocabulary/2002-08-01/eurofxref">
  <Cube><Cube time='2026-12-04'><Cube currency='USD' rate='1.0500'/></Cube></Cube>
</gesmes:Envelope>
XML
[ "$(run "$1" "$dir/daily.xml")" = "Exchange rates of 2026-12-04: 16 pairs changed." ] ||
  fail "the update printed something else"
head -c 24 "$dir/data/exrate.dat" | iconv -f UTF-16LE | grep -qx $'\ufeff2026-12-04' ||
  fail "no date line"
cp "$dir/data/exrate.dat" "$dir/before"
echo '<html/>' > "$dir/page.html"
status=0
said=$(run "$1" "$dir/page.html" 2>&1) || status=$?
[ "$status:$said" = "1:tallyfox: The rates from $dir/page.html are not the European Central Bank's reference rates." ] ||
  fail "a file of another format: $status:$said"
status=0
said=$(flock "$dir/data" env -u DISPLAY "$1" --data-dir "$dir/data" --update-rates "$dir/daily.xml" 2>&1) ||
  status=$?
[ "$status:$said" = "1:tallyfox: Tallyfox is already running on this folder." ] ||
  fail "a held folder: $status:$said"
cmp -s "$dir/before" "$dir/data/exrate.dat" || fail "a failed update changed the rate file"
