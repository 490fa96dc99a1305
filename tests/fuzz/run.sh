#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the libFuzzer targets with clang and runs each for a bounded time:
#   tests/fuzz/run.sh [seconds per target]      (default 60)
# TAMSEL_FUZZ_BUILD sets the build folder (default build/fuzz), TAMSEL_FUZZ_CXX
# the compiler (default clang++-14), TAMSEL_FUZZ_JOBS the build jobs.
#
# The kept crash inputs (regressions/<target>/) run first. Each run works on
# a copy of the seed corpus inside the build folder, so the committed corpus
# does not grow. A crash, a wrong verdict, a hang or running out of memory
# fails the script, and the input that did it stays in the build folder.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)

seconds=${1:-60}
build=${TAMSEL_FUZZ_BUILD:-$root/build/fuzz}
cxx=${TAMSEL_FUZZ_CXX:-clang++-14}
jobs=${TAMSEL_FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}
targets="fuzz_pruefe_antwort fuzz_haenge_baustein_an"

cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER="$cxx" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTAMSEL_FUZZ=ON -DTAMSEL_BUILD_BENCH=OFF
# shellcheck disable=SC2086
cmake --build "$build" -j "$jobs" --target $targets

# The last figure libFuzzer printed after a label such as "cov:".
last_figure() {
    grep -o "$1 *[0-9]*" "$2" | tail -n 1 | grep -o '[0-9]*$' || true
}

report() {
    target=$1
    log=$2
    runs=$(grep -o 'stat::number_of_executed_units: [0-9]*' "$log" | grep -o '[0-9]*$' || true)
    # Without the final statistics (a crash may cut them short) the last
    # progress line still counts the inputs tried.
    [ -n "$runs" ] || runs=$(grep -o '^#[0-9]*' "$log" | tail -n 1 | tr -d '#')
    echo "$target: ${runs:-0} executions, cov: $(last_figure 'cov:' "$log")," \
        "ft: $(last_figure 'ft:' "$log"), corpus $(last_figure 'corp:' "$log") inputs," \
        "peak RSS $(last_figure 'stat::peak_rss_mb:' "$log") MB"
}

failed=""
for target in $targets; do
    fuzzer="$build/tests/fuzz/$target"
    run="$build/runs/$target"
    regressions="$here/regressions/$target"
    rm -rf "$run"
    mkdir -p "$run/corpus" "$run/artifacts"
    cp "$here/corpus/$target/"* "$run/corpus/"
    set -- -timeout=5 -rss_limit_mb=2048 -artifact_prefix="$run/artifacts/"
    [ -f "$here/$target.dict" ] && set -- "$@" -dict="$here/$target.dict"

    echo "== $target: kept crash inputs"
    kept=$(find "$regressions" -type f | sort)
    # Files named on the command line run once each, then libFuzzer stops.
    # shellcheck disable=SC2086
    if [ -n "$kept" ] && ! "$fuzzer" "$@" $kept >"$run/regressions.log" 2>&1; then
        cat "$run/regressions.log"
        failed="$failed $target"
        continue
    fi
    echo "$(echo "$kept" | grep -c .) inputs passed"

    echo "== $target: fuzzing for $seconds s"
    # The first folder takes the new inputs; the regressions only seed.
    started=$(date +%s)
    status=0
    "$fuzzer" "$@" -max_total_time="$seconds" -print_final_stats=1 \
        "$run/corpus" "$regressions" >"$run/fuzz.log" 2>&1 || status=$?
    echo "$target: ran $(($(date +%s) - started)) s, exit status $status"
    report "$target" "$run/fuzz.log"
    found=$(find "$run/artifacts" -type f)
    if [ "$status" -ne 0 ] || [ -n "$found" ]; then
        tail -n 60 "$run/fuzz.log"
        for input in $found; do
            echo "kept input: $input"
        done
        echo "Mend the fault, then copy the input to $regressions/ as a regression case."
        failed="$failed $target"
    fi
done

if [ -n "$failed" ]; then
    echo "fuzzing failed:$failed" >&2
    exit 1
fi
echo "fuzzing found nothing"
