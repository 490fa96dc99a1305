#!/bin/sh
# SPDX-FileCopyrightText: 2026 Tamsel2 developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Builds the benchmarks in Release and runs all of the window's figures:
# start-up and peak memory of tamsel2 against the bare Qt window (offscreen
# and under Xvfb, alternating runs), what the program costs while idle, and
# what each command of the main window costs. Prints one table (Markdown);
# the details of every measurement go to figures.log in the build folder.
#
#   bench/run.sh            20 start-ups of each program, full command samples
#   RUNS=5 QUICK=1 bench/run.sh    a quick look
#
# Environment: BUILD_DIR (default build/bench-rel), RUNS, IDLE_S (default 10),
# QUICK=1 for a tenth of the command samples.
set -eu
cd "$(dirname "$0")/.."

build_dir=${BUILD_DIR:-build/bench-rel}
runs=${RUNS:-20}
idle_s=${IDLE_S:-10}
quick=""
[ "${QUICK:-0}" = 1 ] && quick="--quick"

cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DTAMSEL_BUILD_TESTS=OFF \
    -DTAMSEL_BUILD_BENCH=ON >/dev/null
cmake --build "$build_dir" -j "$(nproc 2>/dev/null || echo 2)" --target tamsel2 tamsel_baseline \
    tamsel_startup_offscreen_tamsel2 tamsel_startup_offscreen_baseline tamsel_startup_probe \
    tamsel_command_bench >/dev/null

bench="$build_dir/bench"
log="$bench/figures.log"
work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

export LANG=C.UTF-8
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

started=$(date '+%Y-%m-%d %H:%M')
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
: >"$log"

probe() {
    "$bench/tamsel_startup_probe" "$@" | tee -a "$log" | grep '^ROW' || true
}

offscreen_programs="tamsel2=$bench/tamsel_startup_offscreen_tamsel2 baseline=$bench/tamsel_startup_offscreen_baseline"
x11_programs="tamsel2=$build_dir/app/tamsel2 baseline=$bench/tamsel_baseline"

rows="$work/rows"
{
    echo "== start-up, offscreen" >>"$log"
    # shellcheck disable=SC2086
    probe --mode offscreen --runs "$runs" $offscreen_programs
    # shellcheck disable=SC2086
    probe --mode offscreen --runs 1 --warmup 0 --idle-s "$idle_s" $offscreen_programs

    if command -v Xvfb >/dev/null 2>&1; then
        # A display of its own, so no other window draws where the probe looks.
        Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" \
            2>"$work/xvfb.log" &
        xvfb_pid=$!
        for _ in $(seq 50); do
            [ -s "$work/display" ] && break
            sleep 0.1
        done
        display=$(cat "$work/display")
        if [ -z "$display" ]; then
            echo "== Xvfb did not start: $(cat "$work/xvfb.log")" | tee -a "$log" >&2
            exit 1
        fi
        export DISPLAY=":$display"
        echo "== start-up, Xvfb $DISPLAY" >>"$log"
        # shellcheck disable=SC2086
        probe --mode x11 --runs "$runs" $x11_programs
        # shellcheck disable=SC2086
        probe --mode x11 --runs 1 --warmup 0 --idle-s "$idle_s" $x11_programs
        kill "$xvfb_pid"
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
        unset DISPLAY
    else
        echo "== no Xvfb: install xvfb for the figures under X11" | tee -a "$log" >&2
    fi

    echo "== commands, offscreen" >>"$log"
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen "$bench/tamsel_command_bench" $quick --idle-s "$idle_s" |
        tee -a "$log" | grep '^ROW' || true
} >"$rows"

load_after=$(cut -d' ' -f1-3 /proc/loadavg)
model=$(lscpu | sed -n 's/^Model name: *//p' | head -n1)
cpus=$(nproc)

echo "Figures of $started; $model, $cpus CPUs; load average $load_before at the start,"
echo "$load_after at the end; $runs start-ups of each program, alternating. Details: $log"
echo
awk -F '\t' '
    BEGIN { n = 0 }
    { n++; for (i = 2; i <= 7; i++) cell[n, i] = $i }
    END {
        split("What|tamsel2|Baseline|Ratio|Target|Met", head, "|")
        for (i = 2; i <= 7; i++) {
            width[i] = length(head[i - 1])
            for (r = 1; r <= n; r++) if (length(cell[r, i]) > width[i]) width[i] = length(cell[r, i])
        }
        line = "|"; rule = "|"
        for (i = 2; i <= 7; i++) {
            line = line sprintf(" %-*s |", width[i], head[i - 1])
            dashes = ""; for (k = 0; k < width[i]; k++) dashes = dashes "-"
            rule = rule " " dashes " |"
        }
        print line; print rule
        for (r = 1; r <= n; r++) {
            line = "|"
            for (i = 2; i <= 7; i++) line = line sprintf(" %-*s |", width[i], cell[r, i])
            print line
        }
    }' "$rows"
