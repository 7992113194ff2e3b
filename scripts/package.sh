#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the last commit, in a copy of its own so
# nothing of a local build gets in, leaves it in build/package/ and fails on
# any lintian error or warning. Installs what it needs on Debian 12.
#   scripts/package.sh            build and check the package
#   scripts/package.sh --install  also install it with apt, use it as an
#                                 ordinary user and remove it again (changes
#                                 the system: .ci/run does it)
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS

try_install=false
case "${1:-}" in
  --install) try_install=true ;;
  "") ;;
  *) echo "usage: scripts/package.sh [--install]" >&2; exit 2 ;;
esac

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}
apt_get() {
  as_root env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600 "$@"
}

# A licence in LICENSES/ that debian/copyright does not name, or the other
# way round, means the two have drifted apart.
reuse_licences=$(find LICENSES -name '*.txt' -printf '%f\n' | sed 's/\.txt$//' | sort)
debian_licences=$(sed -n 's/^License: *//p' debian/copyright | sort -u)
if [ "$reuse_licences" != "$debian_licences" ]; then
  echo "package.sh: debian/copyright names '${debian_licences//$'\n'/ }'," \
    "LICENSES/ holds '${reuse_licences//$'\n'/ }'" >&2
  exit 1
fi

tools=(dpkg-dev lintian)
missing=()
for package in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" ||
    missing+=("$package")
done
updated=false
if [ "${#missing[@]}" -gt 0 ]; then
  apt_get update -qq
  updated=true
  apt_get install -y -qq "${missing[@]}"
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
version=$(dpkg-parsechangelog -S Version)
source_dir="$work/tallyfox-${version%%-*}"
mkdir "$source_dir"
git archive --format=tar HEAD | tar -x -C "$source_dir"
if [ -n "$(git status --porcelain --untracked-files=no)" ]; then
  echo "package.sh: packaging the last commit $(git rev-parse --short HEAD);" \
    "changes not committed are left out"
fi

# Build-Depends, with those of the suite, from the copy's debian/control.
if ! (cd "$source_dir" && dpkg-checkbuilddeps 2> /dev/null); then
  $updated || apt_get update -qq
  apt_get build-dep -y -qq "$source_dir"
fi

rm -rf build/package
mkdir -p build/package
log=build/package/build.log
build_started=$SECONDS
(cd "$source_dir" && dpkg-buildpackage -b -us -uc -J"$(nproc)") > "$log" 2>&1 || {
  tail -n 80 "$log"
  echo "package.sh: dpkg-buildpackage failed; the whole log is $log" >&2
  exit 1
}
grep -E 'tests passed, [0-9]+ tests? failed out of' "$log" || true
echo "package.sh: dpkg-buildpackage took $((SECONDS - build_started)) s"
cp "$work"/*.deb "$work"/*.buildinfo "$work"/*.changes build/package/
changes=$(ls build/package/tallyfox_*.changes)
echo "package.sh: lintian $changes"
lintian --display-info --fail-on error,warning "$changes"
echo "package.sh: lintian reports no error and no warning"

if $try_install; then
  bash scripts/check_package_install.sh build/package/tallyfox_*.deb
else
  echo "package.sh: not installed; scripts/package.sh --install tries it with apt (changes the system)"
fi
ls -l "$PWD"/build/package/tallyfox_*.deb
echo "package.sh: took $((SECONDS - started)) s"
