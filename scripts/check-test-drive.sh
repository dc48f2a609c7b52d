#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Test drives a specification under Xvfb with a window manager (without one the
# gtk2 LCL waits seconds for frame sizes): the window must show, close with
# Alt+F4 and end unitforge-build; then a property set through the grid must be
# read back: the program prints each LINE given (default PROPERTY=VALUE), an
# exception as "exception: ..." (shown under its form instead of a message box).
# Exits 77 (skipped) when the LCL for gtk2, Xvfb or openbox is missing.
#   check-test-drive.sh UNITFORGE_BUILD SPEC.spc CLASS PROPERTY=VALUE [LINE...]
#   SCREENSHOT=FILE.png: the screen once the window shows
#   OPTIONS="--working-bodies": options for unitforge-build
set -euo pipefail
build=$1
spec=$2
class=$3
assignment=$4
shift 4
expected=("$@")
[ ${#expected[@]} -gt 0 ] || expected=("$assignment")
screenshot=${SCREENSHOT:-}
read -r -a options <<<"${OPTIONS:-}"

if [ ! -e /usr/lib/lazarus/default/lcl/units/x86_64-linux/gtk2/interfaces.ppu ]; then
    echo "skipped: the LCL for gtk2 (lcl-gtk2-2.2) is not installed"
    exit 77
fi
for tool in Xvfb openbox xdotool xprop; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d /tmp/uf-drive-XXXXXX)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes its display number once it accepts clients.
mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
read -r -t 30 display <"$work/display" || { echo "Xvfb did not start"; exit 1; }
export DISPLAY=:$display
# openbox once did not come up on a busy machine: it gets three tries.
wm_ready() {
    timeout 20 bash -c 'until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        kill -0 "$1" 2>/dev/null || exit 1; sleep 0.05; done' _ "$1"
}
for try in 1 2 3; do
    openbox >>"$work/openbox.log" 2>&1 &
    pids+=($!)
    wm_ready $! && break
    kill $! 2>/dev/null || true
    if [ "$try" = 3 ]; then
        cat "$work/openbox.log"
        echo "openbox did not start"
        exit 1
    fi
done
export XDG_CACHE_HOME=$work/cache

# The window shows and closing it ends the drive.
start=$(date +%s.%N)
"$build" --test-drive "${options[@]}" "$spec" >"$work/out" 2>"$work/err" &
drive=$!
pids+=($drive)
if ! window=$(timeout 120 xdotool search --sync --name "^Test Drive: $class\$" | head -n 1); then
    cat "$work/err"
    echo "no window \"Test Drive: $class\""
    exit 1
fi
shown=$(date +%s.%N)
[ -z "$screenshot" ] || import -window root "$screenshot"
# On a busy machine the key can reach the window before it takes keys: it is sent again.
closed=
for attempt in 1 2 3; do
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4 2>/dev/null || true
    if timeout 10 tail --pid="$drive" -f /dev/null; then
        closed=yes
        break
    fi
done
if [ -z "$closed" ]; then
    echo "closing the window did not end the test drive"
    exit 1
fi
wait "$drive" || { cat "$work/err"; echo "unitforge-build --test-drive failed"; exit 1; }
grep "shows after" "$work/err"

# A property set through the grid reads back.
UNITFORGE_TESTDRIVE_SET=$assignment timeout 120 "$build" --test-drive "${options[@]}" "$spec" \
    >"$work/out" 2>"$work/err" \
    || { cat "$work/err" "$work/out"; echo "the probe's drive failed"; exit 1; }
for line in "${expected[@]}"; do
    if ! grep -qxF "$line" "$work/out"; then
        cat "$work/out"
        echo "the test drive did not print \"$line\""
        exit 1
    fi
done
echo "$class: window after $(awk "BEGIN { printf \"%.2f\", $shown - $start }") s from the command (first drive, BuildIntf compiled), ${expected[*]} after $assignment through the grid"
