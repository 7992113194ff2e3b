#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on a phone's screen and checks that its window stays
# entirely on the screen: under Xvfb at 720x1440 with QT_SCALE_FACTOR=2 on a
# fresh configuration, after five Ctrl+= and after a restart; then under a
# headless Wayland compositor at 360x720.
#   scripts/check_phone.sh BUILD_DIR [DISPLAY_NUMBER]
set -euo pipefail
build_dir=$(realpath "$1")
display=":${2:-61}"
program="$build_dir/tallyfox"

needed=(Xvfb xdotool weston)
missing=()
for command in "${needed[@]}"; do command -v "$command" > /dev/null || missing+=("$command"); done
if [ "${#missing[@]}" -gt 0 ]; then
  if [ -n "${CI:-}" ]; then
    sudo_if_needed() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
    sudo_if_needed apt-get update -qq
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xvfb xdotool weston \
      qt6-wayland
  else
    echo "check_phone.sh: skipped, ${missing[*]} not installed (CI installs them)"
    exit 0
  fi
fi

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 720x1440x24 -nolisten tcp -noreset > /dev/null 2>&1 &
pids+=($!)
sleep 1
export DISPLAY=$display XDG_CONFIG_HOME=$work/config QT_SCALE_FACTOR=2
mkdir -p "$work/config" "$work/data"

main_window() { xdotool search --onlyvisible --name '^Tallyfox$' | tail -1; }

start() {
  QT_QPA_PLATFORM=xcb "$program" --data-dir "$work/data" > "$work/log" 2>&1 &
  app=$!
  sleep 4
}

failures=0
expect_on_screen() {
  local window x y width height
  window=$(main_window)
  eval "$(xdotool getwindowgeometry --shell "$window")"
  x=$X y=$Y width=$WIDTH height=$HEIGHT
  if ((x < 0 || y < 0 || x + width > 720 || y + height > 1440 || width * 10 < 720 * 9)); then
    echo "FAIL: $1: window ${width}x${height} at $x,$y on 720x1440"
    failures=$((failures + 1))
  else
    echo "ok: $1: window ${width}x${height} at $x,$y"
  fi
}

start
expect_on_screen "first start"
xdotool windowfocus "$(main_window)"
for tab in Sale Discount Shoplist Converter About; do
  expect_on_screen "$tab page"
  xdotool key ctrl+Tab
  sleep 0.5
done
for _ in 1 2 3 4 5; do
  xdotool key ctrl+equal
  sleep 0.3
done
expect_on_screen "five Ctrl+="
kill "$app"
wait "$app" 2> /dev/null || true
start
expect_on_screen "restart"
kill "$app"
wait "$app" 2> /dev/null || true

# Wayland: the program must start and stay up at a phone's size.
runtime=$work/runtime
mkdir -p "$runtime"
chmod 700 "$runtime"
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --width=360 --height=720 \
  --socket=fit-check > "$work/weston.log" 2>&1 &
pids+=($!)
sleep 2
XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=fit-check QT_QPA_PLATFORM=wayland QT_SCALE_FACTOR=1 \
  "$program" --data-dir "$work/data" > "$work/wayland.log" 2>&1 &
app=$!
pids+=("$app")
sleep 4
if kill -0 "$app" 2> /dev/null; then
  echo "ok: runs under Wayland at 360x720"
else
  echo "FAIL: did not stay up under Wayland:"
  cat "$work/wayland.log"
  failures=$((failures + 1))
fi
[ "$failures" -eq 0 ]
