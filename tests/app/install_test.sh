#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs as a distribution does (DESTDIR, --prefix /usr) and as
# scripts/run.sh does (--prefix ~/.local, with a space in the home folder):
# the same files in the same places, nothing of a user's data, and a used
# data folder left byte for byte as it was.
#   install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
install_into() {
  "${CMAKE:-cmake}" --install "$build" --prefix "$1" > "$work/log" 2>&1 ||
    { cat "$work/log"; fail "install into $1"; }
}
expected="bin/tallyfox
share/applications/io.github.tallyfox.Tallyfox.desktop
share/icons/hicolor/48x48/apps/io.github.tallyfox.Tallyfox.png
share/icons/hicolor/96x96/apps/io.github.tallyfox.Tallyfox.png
share/icons/hicolor/scalable/apps/io.github.tallyfox.Tallyfox.svg
share/man/man1/tallyfox.1
share/metainfo/io.github.tallyfox.Tallyfox.metainfo.xml"
check_layout() {
  local root=$1 what=$2
  [ "$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)" = "$expected" ] ||
    fail "$what installed: $(cd "$root" && find . -type f -o -type l)"
  cmp -s "$build/tallyfox" "$root/bin/tallyfox" || fail "$what: bin/tallyfox is not the program"
  [ -x "$root/bin/tallyfox" ] || fail "$what: bin/tallyfox cannot be run"
}

DESTDIR="$work/stage" install_into /usr
check_layout "$work/stage/usr" "/usr"

home="$work/home of user"
data="$home/.local/share/tallyfox"
mkdir -p "$data"
printf 'C\0A\0\0\0\0\0\0\0\0\0' > "$data/tax.ini"
printf 'E\x00U\x00R\x00\n\x00' > "$data/exrate.dat"
printf '\xff\xfe\n\x000\x00 \x00 \x00m\x00i\x00l\x00k\x00\n\x00' > "$data/groceries.csv"
before=$(ls -lA --time-style=full-iso "$data")
install_into "$home/.local"
install_into "$home/.local"
[ "$(ls -lA --time-style=full-iso "$data")" = "$before" ] || fail "the install touched the data folder"
mv "$data" "$work/data"
check_layout "$home/.local" "~/.local"
echo "install checks passed"
