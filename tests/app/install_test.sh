#!/usr/bin/env bash
# Installs into a fresh prefix, uses the application folder as the program
# would, installs again, and checks that every list, tax.ini and exrate.dat
# came through byte for byte while the program itself was replaced; also
# that a staged install (DESTDIR) points at the final place.
#   install_test.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$1
source=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

# A space in the prefix, as in many a home folder's path.
prefix="$work/home of user/.local"
app="$prefix/share/tallyfox"
launcher="$prefix/share/applications/org.example.tallyfox.desktop"

install_into() {
  if ! "${CMAKE:-cmake}" --install "$build" --prefix "$1" > "$work/install.log" 2>&1; then
    cat "$work/install.log" >&2
    echo "FAIL: cmake --install --prefix $1" >&2
    exit 1
  fi
}

# A fresh install: the program, its link, the shipped rates, the launcher,
# the icons and the metainfo.
install_into "$prefix"
[ -x "$app/tallyfox" ] || fail "no program in $app"
[ "$(readlink -f "$prefix/bin/tallyfox")" = "$(readlink -f "$app/tallyfox")" ] ||
  fail "bin/tallyfox does not lead to the program"
cmp -s "$source/src/res/exrate.dat" "$app/exrate.dat" || fail "exrate.dat is not the shipped one"
for file in share/applications/org.example.tallyfox.desktop \
            share/metainfo/org.example.tallyfox.metainfo.xml \
            share/icons/hicolor/48x48/apps/tallyfox.png \
            share/icons/hicolor/96x96/apps/tallyfox.png \
            share/icons/hicolor/scalable/apps/tallyfox.svg; do
  [ -s "$prefix/$file" ] || fail "missing $file"
done
grep -qxF "Exec=\"$app/tallyfox\"" "$launcher" || fail "the launcher does not start $app/tallyfox"
if command -v desktop-file-validate > /dev/null; then
  desktop-file-validate "$launcher" || fail "desktop-file-validate on the installed launcher"
fi
if command -v appstreamcli > /dev/null; then
  appstreamcli validate-tree --no-net "$prefix" > "$work/tree.log" 2>&1 ||
    { cat "$work/tree.log" >&2; fail "appstreamcli validate-tree"; }
fi

# The folder in use: a tax setting, two lists, a scratch file, a rate the
# user set, and an older program.
printf 'S...8\x00.\x002\x005\x00' > "$app/tax.ini"
printf '\xff\xfe\n\x000\x00 \x00 \x00m\x00i\x00l\x00k\x00\n\x00' > "$app/groceries.csv"
printf '\xff\xfe\n\x00' > "$app/party.csv"
printf '\xff\xfe\n\x00' > "$app/temp.csv"
printf 'E\x00U\x00R\x00\n\x00' >> "$app/exrate.dat"
: > "$app/tallyfox"
saved="$work/saved"
mkdir "$saved"
data=(tax.ini groceries.csv party.csv temp.csv exrate.dat)
for file in "${data[@]}"; do cp -p "$app/$file" "$saved/$file"; done

install_into "$prefix"
for file in "${data[@]}"; do
  cmp -s "$saved/$file" "$app/$file" || fail "$file changed on the second install"
done
cmp -s "$build/tallyfox" "$app/tallyfox" || fail "the second install did not replace the program"
[ "$(readlink -f "$prefix/bin/tallyfox")" = "$(readlink -f "$app/tallyfox")" ] ||
  fail "bin/tallyfox lost on the second install"

# Staged for a package: nothing may point into the staging folder.
stage="$work/stage"
DESTDIR="$stage" "${CMAKE:-cmake}" --install "$build" --prefix /opt/tallyfox > "$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "staged install"; }
[ "$(readlink "$stage/opt/tallyfox/bin/tallyfox")" = "../share/tallyfox/tallyfox" ] ||
  fail "the staged link is not relative"
grep -qxF 'Exec="/opt/tallyfox/share/tallyfox/tallyfox"' \
  "$stage/opt/tallyfox/share/applications/org.example.tallyfox.desktop" ||
  fail "the staged launcher does not start /opt/tallyfox/share/tallyfox/tallyfox"

if [ "$failures" -gt 0 ]; then
  echo "$failures install check(s) failed" >&2
  exit 1
fi
echo "install checks passed"
