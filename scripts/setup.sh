#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what building and testing Tallyfox needs on Debian 12, when it is
# missing, and configures a build folder from a preset of CMakePresets.json
# (build/PRESET).
#   scripts/setup.sh PRESET [extra cmake arguments...]
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev
          libbenchmark-dev locales poppler-utils
          xvfb xdotool x11-utils)  # two real programs on a display of the test's own
# Scripts that need more (scripts/fuzz.sh: clang and its fuzzer runtime) name it here.
read -r -a extra_packages <<< "${TALLYFOX_EXTRA_PACKAGES:-}"
packages+=("${extra_packages[@]}")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
fi

preset=$1
shift
# A compiler cache, where one is installed, makes rebuilds in other work trees cheap.
launcher=()
if command -v ccache > /dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cd "$(dirname "$0")/.."
cmake --preset "$preset" "${launcher[@]}" "$@"
