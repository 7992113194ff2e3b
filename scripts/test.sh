#!/usr/bin/env bash
# Sets up, builds and runs every test.
#   scripts/test.sh              the suite
#   scripts/test.sh --sanitize   the suite built with AddressSanitizer and UBSan
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=build/test
options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
if [ "${1:-}" = "--sanitize" ]; then
  build_dir=build/sanitize
  options=(-DCMAKE_BUILD_TYPE=Debug -DTALLYFOX_SANITIZE=ON)
fi

scripts/setup.sh "$build_dir" "${options[@]}"

# The number tests run under a decimal-comma locale to prove that nothing
# reads or writes numbers through the C library's locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  if [ "$(id -u)" -eq 0 ]; then
    sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen; locale-gen > /dev/null
  else
    sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen; sudo locale-gen > /dev/null
  fi
fi

cmake --build "$build_dir"
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
ctest --test-dir "$build_dir" --output-on-failure -j2
