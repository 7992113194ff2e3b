#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Tallyfox developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the real program on a phone's screen and checks that every window it
# opens is entirely on the screen.
#
# Under Xvfb at 720x1440 with QT_SCALE_FACTOR=2, by keyboard (and a right
# click for the list's menu) as a user would: every page on a fresh
# configuration; Tax Setup; Add List and its message; the Shopping List; Item
# Edit adding an item and changing it; the question before a delete; the
# list's menu, the Print dialog and its printer properties; the main window,
# Add List and the Shopping List again after five Ctrl+=; the main window
# after a restart. Each window, and every other window on show with it, must
# lie entirely on the screen.
#
# Under weston's headless compositor with its kiosk shell, which like a
# phone's gives each window the whole screen, at 360x720 at scale 2: no seat
# there takes keys, so the same windows but the print dialogs are worked
# through the accessibility bus (scripts/phone_a11y.py). The client's
# WAYLAND_DEBUG log tells each window's smallest size, which must fit the
# screen, and the size of every frame it drew: the last, once the shell has
# sized it, must fit; a first frame larger than the screen is noted.
#
# Every wait polls up to PHONE_WAIT seconds (30), so a busy machine slows the
# check down rather than failing it.
#   scripts/check_phone.sh [--pictures] BUILD_DIR
# --pictures takes the README's phone pictures anew (docs/pictures/phone-*.png).
set -euo pipefail

pictures=false
if [ "${1:-}" = "--pictures" ]; then
  pictures=true
  shift
fi
[ $# -eq 1 ] || { sed -n '/^#   scripts/,/^# --pictures/p' "$0" | sed 's/^# *//'; exit 2; }
build_dir=$(realpath "$1")
program="$build_dir/tallyfox"
repo=$(cd "$(dirname "$0")/.." && pwd)
a11y=("/usr/bin/python3" "$repo/scripts/phone_a11y.py")
export PHONE_WAIT=${PHONE_WAIT:-30}
[ -x "$program" ] || { echo "check_phone.sh: no program at $program" >&2; exit 2; }

# Debian's packages: the X part's, then the Wayland part's (the Qt plugin is
# a package of its own, easily missing beside weston).
x_packages=(xvfb xdotool x11-utils)
wayland_packages=(weston qt6-wayland dbus at-spi2-core gir1.2-atspi-2.0 python3-gi)
if $pictures; then x_packages+=(imagemagick); fi
missing_of() {
  local package
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2> /dev/null | grep -q "install ok installed" ||
      echo "$package"
  done
}
mapfile -t missing < <(missing_of "${x_packages[@]}" "${wayland_packages[@]}")
if [ "${#missing[@]}" -gt 0 ] && [ -n "${CI:-}" ]; then
  as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
  as_root apt-get update -qq
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" > /dev/null
fi
mapfile -t missing_x < <(missing_of "${x_packages[@]}")
mapfile -t missing_wayland < <(missing_of "${wayland_packages[@]}")
if [ "${#missing_x[@]}" -gt 0 ]; then
  echo "check_phone.sh: skipped, ${missing_x[*]} not installed (CI installs them)"
  exit 0
fi

work=$(mktemp -d)
pids=()
cleanup() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT
started=$SECONDS

# Runs "$@" until it succeeds or PHONE_WAIT seconds have gone by.
poll() {
  local end=$((SECONDS + PHONE_WAIT))
  until "$@"; do
    ((SECONDS < end)) || return 1
    sleep 0.1
  done
}

failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# --- X: 720x1440 at scale 2 ---------------------------------------------------

width=720 height=1440
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 "${width}x${height}x24" \
  3> "$work/display" 2> "$work/xvfb.log" &
pids+=($!)
poll grep -q . "$work/display" || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n 1 "$work/display")"
export DISPLAY XDG_CONFIG_HOME="$work/config" QT_SCALE_FACTOR=2
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$work/config" "$work/data"
mkdir -m 700 "$XDG_RUNTIME_DIR"

# The program's visible top-level window whose title matches $1 (dialogs'
# titles end in " — Tallyfox"; the main window and message boxes are
# "Tallyfox" alone), other than those in $2. Sets `window`.
find_window() {
  window=$(xdotool search --all --onlyvisible --pid "$app" --name "$1" 2> /dev/null |
    grep -vxF -e "${2:-none}" | tail -n 1) && [ -n "$window" ]
}
await_window() {
  poll find_window "$@" || { fail "no window titled '$1' came"; list_windows; return 1; }
  await_settled
}
# Waits until `window` keeps its place and size for a moment: a window may be
# moved or sized again after it is mapped.
await_settled() {
  local before=""
  poll settled || true
}
settled() {
  local now
  now=$(xdotool getwindowgeometry "$window" 2> /dev/null) || return 1
  [ "$now" = "${before:-}" ] && return 0
  before=$now
  sleep 0.2
  return 1
}
gone() {
  ! xdotool getwindowname "$1" > /dev/null 2>&1 ||
    ! xwininfo -id "$1" 2> /dev/null | grep -q IsViewable
}
await_gone() { poll gone "$1" || fail "$2 did not close"; }

# Gives window $1 the keyboard, as a tap on it would, then presses keys.
keys() {
  local target=$1
  shift
  timeout "$PHONE_WAIT" xdotool windowfocus --sync "$target"
  xdotool key --delay 80 "$@"
}
typed() {
  timeout "$PHONE_WAIT" xdotool windowfocus --sync "$1"
  xdotool type --delay 60 "$2"
}

# id, position and size of every viewable top-level window: "id x y w h name"
viewable_windows() {
  local id info
  for id in $(xwininfo -root -children | awk '/^ +0x/ { print $1 }'); do
    info=$(xwininfo -id "$id" 2> /dev/null) || continue
    grep -q "Map State: IsViewable" <<< "$info" || continue
    awk -v id="$id" '
      /Absolute upper-left X:/ { x = $NF } /Absolute upper-left Y:/ { y = $NF }
      /^ *Width:/ { w = $NF } /^ *Height:/ { h = $NF }
      /^xwininfo: Window id:/ { sub(/.*id: 0x[0-9a-f]+ /, ""); name = $0 }
      END { print id, x, y, w, h, name }' <<< "$info"
  done
}
list_windows() { viewable_windows | sed 's/^/    /'; }

outside() { (($1 < 0 || $2 < 0 || $1 + $3 > width || $2 + $4 > height)); }

# Checks window $2, called $1, and with it every other window on show.
expect_on_screen() {
  local label=$1 target=$2 x y w h id name bad=false
  eval "$(xdotool getwindowgeometry --shell "$target")"
  x=$X y=$Y w=$WIDTH h=$HEIGHT
  if outside "$x" "$y" "$w" "$h"; then
    fail "$label: ${w}x${h} at $x,$y goes past the ${width}x${height} screen"
    bad=true
  fi
  while read -r id X Y WIDTH HEIGHT name; do
    [ $((id)) -ne $((target)) ] || continue
    if outside "$X" "$Y" "$WIDTH" "$HEIGHT"; then
      fail "$label: with it, window $name ${WIDTH}x${HEIGHT} at $X,$Y goes past the screen"
      bad=true
    fi
  done < <(viewable_windows)
  $bad || echo "ok: $label: ${w}x${h} at $x,$y"
}

# A window that goes past the screen's edge through a layout not of the
# program's own: Qt's print dialog with its options open, and the printer
# properties it opens. It is told, and fails the check once it fits, so that
# it is then checked as the others are.
expect_known_overflow() {
  local label=$1 target=$2 why=$3
  eval "$(xdotool getwindowgeometry --shell "$target")"
  if outside "$X" "$Y" "$WIDTH" "$HEIGHT"; then
    echo "known: $label: ${WIDTH}x${HEIGHT} at $X,$Y goes past the screen ($why)"
  else
    fail "$label now fits (${WIDTH}x${HEIGHT} at $X,$Y): check it with expect_on_screen"
  fi
}

# Takes window $2 as docs/pictures/$1.png once two shots a moment apart agree:
# a window still being drawn, or a caret between blinks, differs from the next.
picture() {
  $pictures || return 0
  shot() { import -window "$1" -define png:exclude-chunks=date,time "$2"; }
  same_twice() {
    shot "$1" "$work/shot-1.png"
    sleep 0.3
    shot "$1" "$work/shot-2.png"
    [ "$(compare -metric AE "$work/shot-1.png" "$work/shot-2.png" null: 2>&1)" = 0 ]
  }
  poll same_twice "$2" || fail "picture $1: the window did not keep still"
  cp "$work/shot-2.png" "$repo/docs/pictures/$1.png"
  echo "picture: docs/pictures/$1.png"
}

start() {
  QT_QPA_PLATFORM=xcb "$program" --data-dir "$work/data" >> "$work/log" 2>&1 &
  app=$!
  pids+=("$app")
  await_window '^Tallyfox$' || { cat "$work/log"; exit 1; }
  main=$window
}
stop() {
  kill "$app"
  wait "$app" 2> /dev/null || true
}

start
expect_on_screen "first start" "$main"
eval "$(xdotool getwindowgeometry --shell "$main")"
((WIDTH * 10 >= width * 9)) || fail "first start: ${WIDTH} wide, not the screen's width"
picture phone-sale "$main"

for page in Sale Discount Shoplist Converter About; do
  expect_on_screen "$page page" "$main"
  [ "$page" = Shoplist ] && picture phone-shoplist "$main"
  keys "$main" ctrl+Tab
done

stop

# Started again, with the first price box in focus: from it back past the
# page tabs and "Calc" to the state button.
start
expect_on_screen "second start" "$main"
keys "$main" shift+Tab shift+Tab shift+Tab space
if await_window '^Tax Setup'; then
  expect_on_screen "Tax Setup" "$window"
  keys "$window" Escape
  await_gone "$window" "Tax Setup"
fi

# The Shoplist page: a new list, first without a name.
keys "$main" ctrl+Tab ctrl+Tab alt+n
if await_window '^Add List'; then
  add_list=$window
  expect_on_screen "Add List" "$add_list"
  keys "$add_list" Return
  if await_window '^Tallyfox$' "$main"; then
    expect_on_screen "message (no list name)" "$window"
    keys "$window" Return
    await_gone "$window" "the message"
  fi
  typed "$add_list" Groceries
  keys "$add_list" Return
  await_gone "$add_list" "Add List"
fi

keys "$main" alt+e
if await_window '^Shopping List'; then
  list=$window
  expect_on_screen "Shopping List" "$list"
  keys "$list" alt+a
  if await_window '^Item Edit'; then
    item=$window
    expect_on_screen "Item Edit (add)" "$item"
    typed "$item" Milk
    keys "$item" Tab
    typed "$item" 2
    keys "$item" Tab
    typed "$item" 3.49
    keys "$item" Tab
    typed "$item" food
    keys "$item" Return
    await_gone "$item" "Item Edit (add)"
  fi
  # From "Add" past the disabled "Del" and "Edit" to the table's first row.
  keys "$list" Tab Home alt+e
  if await_window '^Item Edit'; then
    expect_on_screen "Item Edit (change)" "$window"
    keys "$window" Escape
    await_gone "$window" "Item Edit (change)"
  fi
  # A window opening over the list takes away its choice of row: it opens
  # anew, with "Add" in focus again.
  keys "$list" Escape
  await_gone "$list" "Shopping List"
  keys "$main" alt+e
  await_window '^Shopping List' && list=$window
  keys "$list" Tab Home alt+d
  if await_window '^Tallyfox$' "$main"; then
    expect_on_screen "question before a delete" "$window"
    keys "$window" Return  # No
    await_gone "$window" "the question"
  fi

  # The list's menu, from a right click in the table (the window's middle).
  eval "$(xdotool getwindowgeometry --shell "$list")"
  timeout "$PHONE_WAIT" xdotool windowfocus --sync "$list"
  before_menu=$(viewable_windows | awk '{ print $1 }')
  xdotool mousemove --window "$list" $((WIDTH / 2)) $((HEIGHT / 2)) click 3
  new_window() { viewable_windows | awk '{ print $1 }' | grep -vxF "$before_menu" > /dev/null; }
  if poll new_window; then
    menu=$(viewable_windows | awk '{ print $1 }' | grep -vxF "$before_menu" | head -n 1)
    expect_on_screen "the list's menu" "$menu"
    xdotool key --delay 80 Down Down Return  # Print…
    if await_window '^Print'; then
      print=$window
      expect_on_screen "Print" "$print"
      keys "$print" alt+r  # Properties
      if await_window '^Printer Properties'; then
        expect_known_overflow "Printer Properties" "$window" \
          "Qt's printer properties, opened from its print dialog"
        keys "$window" Escape
        await_gone "$window" "Printer Properties"
      fi
      print_size=$(xdotool getwindowgeometry "$print")
      keys "$print" alt+o  # Options >>
      grown() { [ "$(xdotool getwindowgeometry "$print")" != "$print_size" ]; }
      poll grown || fail "Print: Options >> did not open the options"
      window=$print
      await_settled
      expect_known_overflow "Print with its options" "$print" \
        "Qt's print dialog, opened by src/platform/print.cpp"
      keys "$print" Escape
      await_gone "$print" "Print"
    fi
  else
    fail "no menu came on a right click in the Shopping List"
  fi

  keys "$list" Escape
  await_gone "$list" "Shopping List"
fi

# Zoomed in five steps: still on the screen, with what no longer fits
# scrolling.
for _ in 1 2 3 4 5; do keys "$main" ctrl+equal; done
window=$main
await_settled
expect_on_screen "five Ctrl+=" "$main"
keys "$main" alt+n
if await_window '^Add List'; then
  expect_on_screen "Add List after five Ctrl+=" "$window"
  keys "$window" Escape
  await_gone "$window" "Add List"
fi
keys "$main" alt+e
if await_window '^Shopping List'; then
  expect_on_screen "Shopping List after five Ctrl+=" "$window"
  keys "$window" Escape
  await_gone "$window" "Shopping List"
fi
stop

start
expect_on_screen "start after five Ctrl+=" "$main"
stop
echo "X took $((SECONDS - started)) s"

# --- Wayland: 360x720 at scale 2 under a kiosk shell --------------------------

if [ "${#missing_wayland[@]}" -gt 0 ]; then
  echo "check_phone.sh: Wayland skipped, ${missing_wayland[*]} not installed (CI installs them)"
  [ "$failures" -eq 0 ]
  exit
fi
unset DISPLAY QT_SCALE_FACTOR
# The accessibility bus keeps its socket and settings under these too.
export XDG_RUNTIME_DIR="$work/wayland-runtime" XDG_CONFIG_HOME="$work/wayland-config"
export XDG_CACHE_HOME="$work/cache"
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME" "$work/wayland-data"
started=$SECONDS

weston --backend=headless-backend.so --shell=kiosk-shell.so --width=360 --height=720 --scale=2 \
  --socket=phone --idle-time=0 > "$work/weston.log" 2>&1 &
pids+=($!)
if ! poll test -S "$XDG_RUNTIME_DIR/phone"; then
  cat "$work/weston.log"
  echo "FAIL: weston did not start"
  exit 1
fi

# A session bus of the check's own, on which the accessibility bus starts
# before the program, so that the program finds it.
dbus-daemon --session --nofork --address="unix:path=$XDG_RUNTIME_DIR/bus" > /dev/null 2>&1 &
pids+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
a11y_bus() {
  dbus-send --session --dest=org.a11y.Bus --print-reply /org/a11y/bus org.a11y.Bus.GetAddress \
    > /dev/null 2>&1
}
poll a11y_bus || { echo "FAIL: no accessibility bus"; exit 1; }

WAYLAND_DISPLAY=phone QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=1 \
  "$program" --data-dir "$work/wayland-data" > "$work/wayland.log" 2>&1 &
app=$!
pids+=("$app")

# Each step names what it does; a step that fails ends the tour.
step() {
  local what=$1
  shift
  if ! "${a11y[@]}" "$@" 2> "$work/a11y.err"; then
    fail "Wayland: $what: $(cat "$work/a11y.err")"
    return 1
  fi
}
tour() {
  step "the main window" count Tallyfox 1 &&
    step "Tax Setup" press Tallyfox "Tax Setup" && step "Tax Setup" count "Tax Setup" 1 &&
    step "the message for a saved setting" press "Tax Setup" "Set & Save" &&
    step "the message for a saved setting" count Tallyfox 2 &&
    step "Tax Setup closing" press Tallyfox OK && step "Tax Setup closing" count "Tax Setup" 0 &&
    step "the Shoplist page" press Tallyfox Shoplist &&
    step "Add List" press Tallyfox New && step "Add List" count "Add List" 1 &&
    step "the message for no name" press "Add List" Create &&
    step "the message for no name" count Tallyfox 2 &&
    step "the message closing" press Tallyfox OK && step "the message closing" count Tallyfox 1 &&
    step "a list's name" fill "Add List" 0 Groceries &&
    step "Add List closing" press "Add List" Create && step "Add List closing" count "Add List" 0 &&
    step "the Shopping List" press Tallyfox Edit &&
    step "the Shopping List" count "Shopping List" 1 &&
    step "Item Edit (add)" press "Shopping List" Add &&
    step "Item Edit (add)" count "Item Edit" 1 &&
    step "an item" fill "Item Edit" 0 Milk && step "an item" fill "Item Edit" 1 2 &&
    step "an item" fill "Item Edit" 2 3.49 && step "an item" fill "Item Edit" 3 food &&
    step "Item Edit (add) closing" press "Item Edit" "Save & Exit" &&
    step "Item Edit (add) closing" count "Item Edit" 0 &&
    step "the item" select "Shopping List" 0 &&
    step "Item Edit (change)" press "Shopping List" Edit &&
    step "Item Edit (change)" count "Item Edit" 1 &&
    step "Item Edit (change) closing" press "Item Edit" "Save & Exit" &&
    step "Item Edit (change) closing" count "Item Edit" 0 &&
    step "the item" select "Shopping List" 0 &&
    step "the question before a delete" press "Shopping List" Del &&
    step "the question before a delete" count Tallyfox 2 &&
    step "the question closing" press Tallyfox No && step "the question closing" count Tallyfox 1
}
tour || true

# What the client told the compositor, from its WAYLAND_DEBUG log: for each
# window (xdg_toplevel) in order, "title|has a parent|smallest size|first
# frame|last frame|frames", in the screen's logical pixels; first the screen,
# "screen|W|H". The first frame is the size the window chose; the kiosk shell
# then gives it the screen's.
window_sizes() {
  awk '
    /^\[ *[0-9.]+\] / {
      line = $0
      sub(/^\[[^]]*\] +(-> )?/, "", line)
      dot = index(line, ".")
      open = index(line, "(")
      if (dot == 0 || open < dot) next
      object = substr(line, 1, dot - 1)
      method = substr(line, dot + 1, open - dot - 1)
      args = substr(line, open + 1)
      sub(/\)$/, "", args)
      gsub(/new id /, "", args)
      n = split(args, arg, /, /)
      if (object ~ /^wl_output@/ && method == "mode") { modew = arg[2]; modeh = arg[3] }
      else if (object ~ /^wl_output@/ && method == "scale") outscale = arg[1]
      else if (method == "get_xdg_surface") surface_of[arg[1]] = arg[2]
      else if (method == "get_toplevel") {
        count++
        toplevel[arg[1]] = count
        on[surface_of[object]] = count
        frames[count] = 0
      }
      else if (object in toplevel && method == "set_title") {
        title = args
        gsub(/^"|"$/, "", title)
        titles[toplevel[object]] = title
      }
      else if (object in toplevel && method == "set_parent")
        parent[toplevel[object]] = (args != "nil")
      else if (object in toplevel && method == "set_min_size") {
        minw[toplevel[object]] = arg[1]; minh[toplevel[object]] = arg[2]
      }
      else if (object in toplevel && method == "destroy") delete toplevel[object]
      else if (method == "set_buffer_scale") bufscale[object] = arg[1]
      else if (method == "create_buffer") { bufw[arg[1]] = arg[3]; bufh[arg[1]] = arg[4] }
      else if (method == "attach" && (object in on) && (arg[1] in bufw)) {
        k = on[object]
        s = (object in bufscale) ? bufscale[object] : 1
        w = bufw[arg[1]] / s; h = bufh[arg[1]] / s
        if (frames[k]++ == 0) first[k] = w "x" h
        last[k] = w "x" h
      }
      else if (object ~ /^wl_surface@/ && method == "destroy") delete on[object]
    }
    END {
      s = outscale ? outscale : 1
      print "screen|" modew / s "|" modeh / s
      for (k = 1; k <= count; k++)
        printf "%s|%d|%dx%d|%s|%s|%d\n", titles[k], parent[k], minw[k], minh[k], first[k], \
          last[k], frames[k]
    }' "$work/wayland.log"
}

# The last dialogs may still be drawing: wait until the log stops growing.
log_size() { stat -c %s "$work/wayland.log"; }
last_size=-1
quiet() {
  local now
  now=$(log_size)
  [ "$now" = "$last_size" ] && return 0
  last_size=$now
  sleep 0.5
  return 1
}
poll quiet || true

if ! kill -0 "$app" 2> /dev/null; then
  fail "Wayland: the program did not stay up"
  grep -v '^\[' "$work/wayland.log" | tail -n 20
fi
mapfile -t sizes < <(window_sizes)
IFS='|' read -r _ screen_w screen_h <<< "${sizes[0]}"
if [ "${screen_w:-0}" != 360 ] || [ "${screen_h:-0}" != 720 ]; then
  fail "Wayland: the screen is ${screen_w}x${screen_h}, not 360x720"
fi
larger() { ((${1%x*} > screen_w || ${1#*x} > screen_h)); }
seen=()
for entry in "${sizes[@]:1}"; do
  IFS='|' read -r title has_parent smallest first last frames <<< "$entry"
  name=${title% — Tallyfox}
  if [ "$title" = Tallyfox ] && [ "$has_parent" = 1 ]; then name="message box"; fi
  seen+=("$name")
  if [ "$frames" -eq 0 ]; then
    fail "Wayland: $name: no frame drawn"
  elif larger "$smallest" || larger "$last"; then
    fail "Wayland: $name: smallest $smallest, last frame $last, on a ${screen_w}x${screen_h} screen"
  else
    echo "ok: Wayland: $name: smallest $smallest, first frame $first, last $last ($frames frames)"
    # Drawn once at its own size before the shell's: a compositor that lets a
    # window keep its size would show it so.
    if larger "$first"; then
      echo "note: Wayland: $name: its first frame, $first, is larger than the screen"
    fi
  fi
done
# Every kind of window of the tour was drawn.
for expected in Tallyfox "Tax Setup" "Add List" "message box" "Shopping List" "Item Edit"; do
  printf '%s\n' "${seen[@]}" | grep -qxF "$expected" || fail "Wayland: no $expected was drawn"
done
echo "Wayland took $((SECONDS - started)) s"
[ "$failures" -eq 0 ]
