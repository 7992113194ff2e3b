#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test.
#   scripts/test.sh              the suite
#   scripts/test.sh --sanitize   the suite built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

# Warnings are errors here: CI builds with GCC, and with Clang for the
# sanitizers, and a warning of either fails it.
preset=test
if [ "${1:-}" = "--sanitize" ]; then
  preset=sanitize
  export TALLYFOX_EXTRA_PACKAGES="clang libclang-rt-14-dev"
fi
build_dir=build/$preset

scripts/setup.sh "$preset"

# The number tests run again under a decimal-comma locale, to prove that
# nothing reads or writes numbers through the C library's locale. It is built
# into a folder of the build's own, which only those tests are given (LOCPATH,
# see tests/CMakeLists.txt); where it cannot be, those cases skip and say why.
locales="$PWD/$build_dir/locales"
if [ ! -d "$locales/de_DE.UTF-8" ]; then
  mkdir -p "$locales"
  localedef -i de_DE -f UTF-8 "$locales/de_DE.UTF-8" 2> /dev/null ||
    echo "test.sh: could not build the de_DE.UTF-8 locale; its cases will skip"
fi

cmake --build --preset "$preset"
ctest --preset "$preset"
