#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the libFuzzer targets (fuzz/) with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for a bounded time, starting from
# the kept inputs in fuzz/corpus/<target>/ (read only; what a run adds goes to
# build-fuzz/corpus-<target>/). Exits 0 when no fuzzer found a fault.
#   scripts/fuzz.sh [SECONDS]     seconds per fuzzer, default 60 (or FUZZ_SECONDS)
#   FUZZERS="checker_fuzzer" runs only the fuzzers named
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-${FUZZ_SECONDS:-60}}"

bash scripts/setup.sh clang libclang-rt-14-dev cmake ninja-build qt6-base-dev

build=build-fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_COMPILER=clang++ >/dev/null
fuzzers="${FUZZERS:-profile_fuzzer specreader_fuzzer checker_fuzzer methodheading_fuzzer unitmerge_fuzzer handover_fuzzer unitimport_fuzzer compilermessages_fuzzer}"
cmake --build "$build" --target $fuzzers -j2

status=0
for fuzzer in $fuzzers; do
    corpus="$build/corpus-$fuzzer"
    mkdir -p "$corpus" "$build/artifacts"
    # The kept corpus of the target, where there is one, and the examples seed the run.
    dictionary=fuzz/spc.dict
    seeds=(examples)
    if [ "$fuzzer" = unitmerge_fuzzer ] || [ "$fuzzer" = unitimport_fuzzer ]; then
        dictionary=fuzz/pascal.dict
        seeds=(fuzz/units)
    fi
    [ -d "fuzz/corpus/$fuzzer" ] && seeds=("fuzz/corpus/$fuzzer" "${seeds[@]}")
    echo "== $fuzzer: ${seconds} s"
    if ! ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/$fuzzer" "$corpus" "${seeds[@]}" -dict="$dictionary" -max_total_time="$seconds" \
            -max_len=8192 -timeout=20 -rss_limit_mb=4096 -print_final_stats=1 \
            -artifact_prefix="$build/artifacts/$fuzzer-" 2>"$build/$fuzzer.log"; then
        echo "$fuzzer found a fault; see $build/$fuzzer.log and $build/artifacts/" >&2
        tail -40 "$build/$fuzzer.log" >&2
        status=1
    else
        grep -E "^stat::number_of_executed_units|^Done" "$build/$fuzzer.log" || true
    fi
done
[ $status -eq 0 ] && echo "fuzzing clean"
exit $status
