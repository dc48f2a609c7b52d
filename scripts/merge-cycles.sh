#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The long run of the random edit cycles: builds merge_cycles, runs it, and
# compiles every cycle's edited unit and its merged unit with Free Pascal
# (Delphi mode) against the stub class library in tests/merge/stubs. Exits 0
# when no cycle failed and every merged unit compiles whose edited unit did.
#   scripts/merge-cycles.sh [CYCLES] [SEED]      default 2000 cycles, seed 1
set -euo pipefail
cd "$(dirname "$0")/.."
cycles="${1:-2000}"
seed="${2:-1}"

bash scripts/setup.sh g++ cmake ninja-build qt6-base-dev libgtest-dev libgmock-dev fp-compiler

build=build-cycles
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DUF_CORE_ONLY=ON >/dev/null
nice cmake --build "$build" --target merge_cycles -j2

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
status=0
"$build/tests/merge/merge_cycles" "$cycles" "$seed" "$work/units" || status=1

# Only System and ObjPas come from Free Pascal's own library; every unit the
# generated uses clause names is a stub.
rtl="$(dirname "$(find /usr/lib -path '*fpc*' -name system.ppu | head -1)")"
mkdir -p "$work/rtl" "$work/stubs"
for unit in system objpas; do
    ln -s "$rtl/$unit.ppu" "$rtl/$unit.o" "$work/rtl/"
done
for stub in tests/merge/stubs/*.pas; do
    fpc -n -Mdelphi -Rintel "-Fu$work/rtl" -Futests/merge/stubs "-FU$work/stubs" "$stub" >/dev/null
done

# One line per unit: "FOLDER ok" or "FOLDER failed"; two compilers at a time.
export RTL="$work/rtl" STUBS="$work/stubs"
find "$work/units" -mindepth 2 -maxdepth 2 -type d | sort | xargs -P 2 -I{} bash -c '
    if fpc -n -Mdelphi -Rintel -Fu"$RTL" -Fu"$STUBS" -FU"$1" "$1/cycleunit.pas" >"$1/fpc.log" 2>&1
    then echo "$1 ok"; else echo "$1 failed"; fi' _ {} >"$work/results"

before_ok=0
after_ok=0
regressions=()
for cycle in "$work"/units/*/; do
    cycle="${cycle%/}"
    if grep -qx "$cycle/before ok" "$work/results"; then
        before_ok=$((before_ok + 1))
        if grep -qx "$cycle/after ok" "$work/results"; then
            after_ok=$((after_ok + 1))
        else
            regressions+=("$(basename "$cycle")")
            sed -n '1,5p' "$cycle/after/fpc.log" >&2
        fi
    fi
done
echo "compiled: the edited unit in $before_ok of $cycles cycles, the merged unit in $after_ok of those"
if [ ${#regressions[@]} -gt 0 ]; then
    echo "merged units that no longer compile: cycles ${regressions[*]}" >&2
    status=1
fi
exit $status
