#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and installs Tallyfox into the per-user application folder
# (~/.local/share/tallyfox, with a link in ~/.local/bin), then starts it.
# The data files already there (tax.ini, exrate.dat, lists) are kept.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh release -DCMAKE_INSTALL_PREFIX="$HOME/.local"
cmake --build --preset release
cmake --install build/release > /dev/null
exec "$HOME/.local/share/tallyfox/tallyfox"
