#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project is not laid out as .clang-format says;
# `clang-format-14 -i FILE` puts it right. The formatter is pinned to the major
# version Debian 12 ships, since two versions lay the same code out differently;
# it is installed when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
if ! command -v "$formatter" > /dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$formatter"
fi
"$formatter" --version | grep -q "version 14\." ||
  { echo "check_format: $formatter is not version 14" >&2; exit 1; }
git ls-files -z '*.cpp' '*.h' | xargs -0 "$formatter" --dry-run --Werror
echo "check_format: every file laid out"
