#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the package with apt as a user would, starts the program as an
# ordinary user with a HOME of its own, and removes the package again: the
# files are where desktops look for them, the program answers from /usr/bin,
# keeps its data in that HOME, and the data outlive the removal byte for byte.
#   check_package_install.sh DEB     (installs system-wide: run where that is fine)
set -euo pipefail
deb=$(realpath "$1")
work=$(mktemp -d)
installed=false
cleanup() {
  $installed && apt_get remove -y -qq tallyfox > /dev/null 2>&1
  [ -n "${program:-}" ] && kill "$program" 2> /dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 "$@"
}
# As root the program runs as nobody; anyone else is an ordinary user already.
# The environment is a login's: HOME and PATH, no XDG_* folders.
home="$work/home"
mkdir "$home"
as_user() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u nobody -- env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@"
  else
    env -i HOME="$home" PATH=/usr/bin:/bin QT_QPA_PLATFORM=offscreen "$@"
  fi
}
if [ "$(id -u)" -eq 0 ]; then
  chmod 755 "$work"
  chown nobody: "$home"
fi

if dpkg-query -W -f='${Status}' tallyfox 2> /dev/null | grep -q "install ok installed"; then
  fail "tallyfox is installed already; this test would remove it"
fi
apt_get install -y -qq "$deb" > "$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get install"; }
installed=true

id=io.github.tallyfox.Tallyfox
for file in /usr/bin/tallyfox "/usr/share/applications/$id.desktop" \
  "/usr/share/metainfo/$id.metainfo.xml" "/usr/share/icons/hicolor/scalable/apps/$id.svg" \
  "/usr/share/icons/hicolor/48x48/apps/$id.png" /usr/share/man/man1/tallyfox.1.gz; do
  [ -f "$file" ] || fail "the package did not install $file"
done
[ "$(command -v tallyfox)" = /usr/bin/tallyfox ] || fail "tallyfox on the PATH is $(command -v tallyfox)"
version=$(dpkg-query -W -f='${Version}' tallyfox)
as_user tallyfox --version > "$work/version" 2>&1 || { cat "$work/version"; fail "--version failed"; }
grep -qF "${version%%-*}" "$work/version" || fail "--version does not say ${version%%-*}: $(cat "$work/version")"

# The first start makes the data folder in HOME and gives it the rates. The
# program holds a lock on its folder while it runs, so a lock there shows that
# it started on it.
data="$home/.local/share/tallyfox"
as_user tallyfox > "$work/program.log" 2>&1 &
program=$!
for _ in $(seq 600); do
  [ -d "$data" ] && grep -q "FLOCK.*:$(stat -c %i "$data") " /proc/locks && break
  kill -0 "$program" 2> /dev/null || { cat "$work/program.log"; fail "the program left at start"; }
  sleep 0.1
done
[ -s "$data/exrate.dat" ] || { cat "$work/program.log"; fail "no rates in $data after the first start"; }
kill "$program"
wait "$program" 2> /dev/null || true
program=

# What the user keeps there is what the program reads.
printf '\xff\xfe\n\x000\x00 \x00 \x00m\x00i\x00l\x00k\x00 \x00 \x002\x00 \x00 \x00f\x00o\x00o\x00d\x00 \x00 \x006\x00.\x005\x000\x00\n\x00' \
  > "$data/groceries.csv"
printf 'S...8\x00.\x002\x005\x00' > "$data/tax.ini"
[ "$(id -u)" -eq 0 ] && chown nobody: "$data"/*
as_user tallyfox --export-list groceries > "$work/list" 2>&1 || { cat "$work/list"; fail "--export-list"; }
grep -q milk "$work/list" || fail "the list in $data was not read: $(cat "$work/list")"

(cd "$home" && find . -type f -exec sha256sum {} + | sort -k 2) > "$work/before"
grep -q '/tallyfox/exrate.dat$' "$work/before" || fail "nothing of the user's data was seen"
apt_get remove -y -qq tallyfox > "$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
installed=false
[ ! -e /usr/bin/tallyfox ] || fail "/usr/bin/tallyfox is still there after apt-get remove"
(cd "$home" && find . -type f -exec sha256sum {} + | sort -k 2) > "$work/after"
diff "$work/before" "$work/after" || fail "apt-get remove changed the user's data"
echo "check_package_install: installed, used by an ordinary user and removed; the user's data kept"
