#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ file of the project is not laid out as .clang-format says;
# `clang-format -i FILE` puts it right. Installs clang-format when missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang-format > /dev/null; then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq clang-format
fi
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "check_format: every file laid out"
