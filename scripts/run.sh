#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and installs Tallyfox for this user (prefix ~/.local, so
# ~/.local/bin/tallyfox), then starts it. The data in ~/.local/share/tallyfox
# stays as it is.
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="$HOME/.local"

# What earlier versions installed per user, and nothing else: the program in
# the data folder, the link to it, and the launcher, metainfo and icons under
# their old names. Never a data file.
remove_old_layout() {
  local old
  [ -L "$prefix/bin/tallyfox" ] && rm -f "$prefix/bin/tallyfox"
  if [ -f "$prefix/share/tallyfox/tallyfox" ]; then rm -f "$prefix/share/tallyfox/tallyfox"; fi
  for old in "$prefix/share/applications/org.example.tallyfox.desktop" \
    "$prefix/share/metainfo/org.example.tallyfox.metainfo.xml" \
    "$prefix"/share/icons/hicolor/*/apps/tallyfox.{png,svg}; do
    if [ -f "$old" ]; then rm -f "$old"; fi
  done
}

scripts/setup.sh build/release -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix"
cmake --build build/release
remove_old_layout
cmake --install build/release --prefix "$prefix" > /dev/null
exec "$prefix/bin/tallyfox"
