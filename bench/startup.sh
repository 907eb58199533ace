#!/usr/bin/env bash
# Start-up of Zomar against a bare Qt window of the same size and caption:
# each is started RUNS times under one Xvfb and timed from exec to its window
# being mapped; then closed. Prints the medians, the ratios and the peak RSS,
# and, steadier than any clock, the instructions each executes before its
# event loop (callgrind, dumped on entry to QCoreApplication::exec).
# A third program, the bare window with one label, shows what bringing up
# Qt's font system costs by itself, which the bare window never does.
# usage: bench/startup.sh [BUILD_DIR] [RUNS]   (BUILD_DIR defaults to build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
runs=${2:-20}
export ZOMAR_WINDOW_TABLE=$PWD/$build/window-table.sh
for bin in "$build/zomar" "$build/bench/bare_window" "$build/bench/bare_label" "$ZOMAR_WINDOW_TABLE"; do
    [[ -e $bin ]] || { echo "missing $bin: build with ./test.sh first" >&2; exit 1; }
done
source tests/lib.sh
start_xvfb

# One run: milliseconds from exec to a mapped window, and the peak RSS in kB.
run_once() {
    local bin=$1 out=$2 start end pid
    start=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out.rss" "$bin" &
    pid=$!
    # Poll for the mapped window; xdotool's own --sync waits in coarse steps.
    until xdotool search --onlyvisible --name "$zomar_caption" >/dev/null 2>&1; do
        kill -0 "$pid" 2>/dev/null || { echo "$bin did not start" >&2; exit 1; }
    done
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$out.times"
    pkill -TERM -P "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    tail -n 1 "$out.rss" >>"$out.rsses"
}

median() {
    sort -n "$1" | awk '{ a[NR] = $1 } END { print (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2 }'
}

# Warm the caches once for each, then alternate so all see the same machine.
programs=(zomar:"$build/zomar" bare:"$build/bench/bare_window" label:"$build/bench/bare_label")
for p in "${programs[@]}"; do run_once "${p#*:}" "$work/warm"; done
for _ in $(seq "$runs"); do
    for p in "${programs[@]}"; do run_once "${p#*:}" "$work/${p%%:*}"; done
done

report() { # name label
    awk -v t="$(median "$work/$1.times")" -v r="$(median "$work/$1.rsses")" -v i="$(cat "$work/$1.instr")" -v l="$2" \
        'BEGIN { printf "%-22s median %6.1f ms to a mapped window, peak RSS %6d kB, %6.1f M instructions before the event loop\n", l, t / 1000, r, i / 1e6 }'
}
ratio() { # a b what goal
    awk -v a="$(median "$work/$1.$3")" -v b="$(median "$work/$2.$3")" -v l="$4" \
        'BEGIN { printf "%s %.3f\n", l, a / b }'
}
# Instructions executed up to the event loop, counted by callgrind.
instructions() { # bin name
    local bin=$1 out=$work/$2.cg pid
    valgrind --tool=callgrind --dump-before='QCoreApplication::exec*' --callgrind-out-file="$out.%p" \
        "$bin" >/dev/null 2>&1 &
    pid=$!
    for _ in $(seq 600); do
        compgen -G "$out.*.1" >/dev/null && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    sleep 0.5
    kill -TERM "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    awk '/^(summary|totals):/ { print $2; exit }' "$(compgen -G "$out.*.1" | head -n 1)"
}
for p in "${programs[@]}"; do instructions "${p#*:}" "${p%%:*}" >"$work/${p%%:*}.instr"; done

printf 'runs: %d each\n' "$runs"
report zomar "zomar:"
report bare "bare window:"
report label "bare window + label:"
ratio zomar bare times "time ratio zomar / bare:          "
ratio zomar bare rsses "RSS ratio zomar / bare:           "
ratio zomar label times "time ratio zomar / bare + label:  "
ratio zomar label rsses "RSS ratio zomar / bare + label:   "
ratio zomar label instr "instructions zomar / bare + label:"
