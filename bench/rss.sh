#!/usr/bin/env bash
# Where Zomar's resident memory exceeds that of the bare window with one
# label: each program is started under one Xvfb, with address-space
# randomisation off (so that the same pages are read around each fault, run
# after run), and its resident kB are summed by mapping (library or file and
# its permissions, the heap, other anonymous memory) once its window is
# mapped. Prints the mappings whose kB differ by at least MIN_KB, largest
# first, and the totals.
# usage: bench/rss.sh [BUILD_DIR] [MIN_KB]   (BUILD_DIR defaults to build/test)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/test}
min_kb=${2:-8}
export ZOMAR_WINDOW_TABLE=$PWD/$build/window-table.sh
for bin in "$build/zomar" "$build/bench/bare_label" "$ZOMAR_WINDOW_TABLE"; do
    [[ -e $bin ]] || { echo "missing $bin: build with ./test.sh first" >&2; exit 1; }
done
source tests/lib.sh
start_xvfb

# resident BIN OUT: the program's resident kB by mapping, its own binary
# named "(program)", and its peak as "(peak)".
resident() {
    local pid deadline=$((SECONDS + 30))
    setarch "$(uname -m)" -R "$1" &
    pid=$!
    until xdotool search --onlyvisible --name "$zomar_caption" >/dev/null 2>&1; do
        if ((SECONDS >= deadline)) || ! kill -0 "$pid" 2>/dev/null; then
            end "$pid"
            fail "$1 did not map its window"
        fi
    done
    awk -v self="$(readlink -f "$1")" '
        /^[0-9a-f]+-[0-9a-f]+ / { name = $6 == "" ? "(anonymous)" : $6 == self ? "(program)" : $6
                                  if (name !~ /^[[(]/) sub(/.*\//, "", name)
                                  key = name " " $2 }
        /^Rss:/ { kb[key] += $2 }
        END { for (k in kb) print k, kb[k] }' "/proc/$pid/smaps" >"$2"
    awk '/^VmHWM:/ { print "(peak) -", $2 }' "/proc/$pid/status" >>"$2"
    end "$pid"
}
resident "$build/zomar" "$work/zomar"
resident "$build/bench/bare_label" "$work/label"

# A row per mapping whose kB differ, then the peaks.
awk -v min="$min_kb" '
    FNR == NR { label[$1 " " $2] = $3; next }
    { zomar[$1 " " $2] = $3 }
    END {
        printf "%10s  %-44s %7s %7s\n", "zomar -", "mapping (kB)", "zomar", "label"
        for (k in label) if (!(k in zomar)) zomar[k] = 0
        for (k in zomar) {
            d = zomar[k] - label[k]
            if (k != "(peak) -" && (d >= min || -d >= min))
                printf "%d|%+7d kB  %-44s %7d %7d\n", d, d, k, zomar[k], label[k] | "sort -t\"|\" -k1,1nr | cut -d\"|\" -f2"
        }
        close("sort -t\"|\" -k1,1nr | cut -d\"|\" -f2")
        printf "%+7d kB  %-44s %7d %7d\n", zomar["(peak) -"] - label["(peak) -"], "peak RSS", zomar["(peak) -"], label["(peak) -"]
    }' "$work/label" "$work/zomar"
