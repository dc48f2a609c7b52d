#!/usr/bin/env bash
# Start-up to the first painted window, and on to an idle event loop (the
# window ready for the user): Unitforge against a bare Qt program with a main
# window of seven tabs (bench/bare_window.cpp), side by side on the same X
# server, each run alternating. Prints the median of each and both ratios
# (goal: each at most 1.3).
#   bench/startup_ratio.sh [RUNS] [BUILD_DIR]     default 15 runs, build/
# Runs under xvfb-run when there is no display.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")/.." && pwd)"
runs="${1:-15}"
build="$(cd "${2:-$source_dir/build}" && pwd)"

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" "$build"
fi

probe="$build/bench/libstartupprobe.so"
for file in "$probe" "$build/bench/bare_window" "$build/src/app/unitforge"; do
    [ -e "$file" ] || { echo "missing $file: build first" >&2; exit 2; }
done

work="$(mktemp -d)"
# The run-time folder is in memory, as a session's is.
runtime="$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)"
trap 'rm -rf "$work" "$runtime"' EXIT
# Unitforge's run-time files go to a scratch place: its lock, and no Wine
# registry to read. Its settings stay where a build-tree program keeps them.
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime" WINEPREFIX="$work/no-wine" QT_QPA_PLATFORM=xcb

# Microseconds from the program's start to its first painted window, of its
# three stretches (to the QApplication, to the window shown, to painted), of
# processor time until painted, and from the start to the idle event loop.
measure() {
    local start marks application shown painted cpu idle
    # The probe ends the program at once, leaving its lock behind; a start
    # that had to take over a stale lock would not be a usual one.
    rm -f "$runtime/unitforge.lock"
    start=$(date +%s%N)
    marks=$(LD_PRELOAD="$probe" "$@" 2>&1 >/dev/null)
    application=$(sed -n 's/^application //p' <<<"$marks")
    shown=$(sed -n 's/^shown //p' <<<"$marks")
    painted=$(sed -n 's/^painted //p' <<<"$marks")
    cpu=$(sed -n 's/^cpu //p' <<<"$marks")
    idle=$(sed -n 's/^idle //p' <<<"$marks")
    [ -n "$painted" ] && [ -n "$application" ] && [ -n "$shown" ] && [ -n "$cpu" ] && [ -n "$idle" ] \
        || { echo "no paint or idle reported by $1" >&2; exit 1; }
    echo $(( (painted - start) / 1000 )) $(( (application - start) / 1000 )) \
        $(( (shown - application) / 1000 )) $(( (painted - shown) / 1000 )) "$cpu" \
        $(( (idle - start) / 1000 ))
}

# The median of column N of the runs, in milliseconds.
median() { cut -d' ' -f"$1" | sort -n | awk '{ a[NR] = $1 } END { m = int((NR + 1) / 2); printf "%.1f", a[m] / 1000 }'; }

# One run of each first, unmeasured: the disk cache warms up.
measure "$build/bench/bare_window" >/dev/null
measure "$build/src/app/unitforge" >/dev/null
: >"$work/bare"
: >"$work/unitforge"
for _ in $(seq "$runs"); do
    measure "$build/bench/bare_window" >>"$work/bare"
    measure "$build/src/app/unitforge" >>"$work/unitforge"
done
bare=$(median 1 <"$work/bare")
unitforge=$(median 1 <"$work/unitforge")
for program in bare unitforge; do
    printf '%-10s median %6.1f ms over %s runs (to the application %s, window made %s, painted %s; idle at %s)\n' \
        "$program:" "$(median 1 <"$work/$program")" "$runs" "$(median 2 <"$work/$program")" \
        "$(median 3 <"$work/$program")" "$(median 4 <"$work/$program")" "$(median 6 <"$work/$program")"
done
awk -v u="$unitforge" -v b="$bare" -v uc="$(median 5 <"$work/unitforge")" -v bc="$(median 5 <"$work/bare")" \
    -v ui="$(median 6 <"$work/unitforge")" -v bi="$(median 6 <"$work/bare")" \
    'BEGIN { printf "processor time: bare %.1f ms, unitforge %.1f ms, ratio %.2f\n", bc, uc, uc / bc
             printf "ratio to the first paint: %.2f (goal at most 1.3)\n", u / b
             printf "ratio to the idle event loop: %.2f (goal at most 1.3)\n", ui / bi }'
