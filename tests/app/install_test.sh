#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a fresh prefix (with a space in it, as many a home folder has),
# uses the folder as the program would, installs again, and checks that every
# list, tax.ini and exrate.dat came through byte for byte while the program
# was replaced; and that a staged install points at the final place.
#   install_test.sh BUILD_DIR SOURCE_DIR
# A distribution's install (a prefix like /usr) is checked as staged.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
install_into() {
  "${CMAKE:-cmake}" --install "$build" --prefix "$1" > "$work/log" 2>&1 || { cat "$work/log"; fail "install into $1"; }
}

prefix="$work/home of user/.local"
app="$prefix/share/tallyfox"
install_into "$prefix"
cmp -s "$2/src/res/exrate.dat" "$app/exrate.dat" || fail "exrate.dat is not the shipped one"
grep -qxF "Exec=\"$app/tallyfox\"" "$prefix/share/applications/io.github.tallyfox.Tallyfox.desktop" ||
  fail "the launcher does not start $app/tallyfox"

printf 'S...8\x00.\x002\x005\x00' > "$app/tax.ini"
printf '\xff\xfe\n\x000\x00 \x00 \x00m\x00i\x00l\x00k\x00\n\x00' > "$app/groceries.csv"
printf 'E\x00U\x00R\x00\n\x00' >> "$app/exrate.dat"
: > "$app/tallyfox"
mkdir "$work/saved"
cp -p "$app"/{tax.ini,groceries.csv,exrate.dat} "$work/saved/"
install_into "$prefix"
for file in tax.ini groceries.csv exrate.dat; do
  cmp -s "$work/saved/$file" "$app/$file" || fail "$file changed on the second install"
done
cmp -s "$build/tallyfox" "$app/tallyfox" || fail "the second install did not replace the program"
[ "$(readlink -f "$prefix/bin/tallyfox")" = "$(readlink -f "$app/tallyfox")" ] ||
  fail "bin/tallyfox does not lead to the program"

DESTDIR="$work/stage" "${CMAKE:-cmake}" --install "$build" --prefix "$work/.local" > "$work/log" 2>&1 ||
  fail "staged per-user install"
[ "$(readlink "$work/stage$work/.local/bin/tallyfox")" = "../share/tallyfox/tallyfox" ] ||
  fail "the staged link is not relative"
[ -x "$work/stage$work/.local/share/tallyfox/tallyfox" ] || fail "no staged per-user program"

# A distribution's: the program in bin/, the shipped rates in share/tallyfox/.
DESTDIR="$work/stage" "${CMAKE:-cmake}" --install "$build" --prefix /usr > "$work/log" 2>&1 ||
  fail "staged system install"
cmp -s "$build/tallyfox" "$work/stage/usr/bin/tallyfox" || fail "no program in usr/bin"
cmp -s "$2/src/res/exrate.dat" "$work/stage/usr/share/tallyfox/exrate.dat" || fail "no shipped rates"
grep -qxF 'Exec="/usr/bin/tallyfox"' "$work/stage/usr/share/applications/io.github.tallyfox.Tallyfox.desktop" ||
  fail "the system launcher does not start /usr/bin/tallyfox"
echo "install checks passed"
