#!/usr/bin/env bash
# The program from start to Exit under valgrind, in a real X window: it
# fails on any block definitely lost whose allocation passes through our own
# code. Leaks wholly inside the system libraries are theirs, not ours.
# usage: leakcheck.sh ZOMAR_BINARY SUPPRESSIONS  (LEAKCHECK_LOG=file keeps the log)
set -euo pipefail
source "$(dirname "$0")/xvfb.sh"

bin=$1 supp=$2
work=$(mktemp -d)
pid= xvfb=
cleanup() {
    [[ -n $pid ]] && kill "$pid" 2>/dev/null || true
    [[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null || true
    [[ -n ${LEAKCHECK_LOG:-} ]] && cp "$work/valgrind.log" "$LEAKCHECK_LOG"; rm -rf "$work"
}
trap cleanup EXIT

start_xvfb "$work"

valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=40 --suppressions="$supp" --log-file="$work/valgrind.log" "$bin" &
pid=$!
wid=$(timeout 120 xdotool search --sync --onlyvisible --name "$zomar_caption" | head -n 1) \
    || fail "no window under valgrind"
sleep 1
# A few clicks: a swatch, three bands, the inductor, the capacitor, Exit.
for at in "296 288" "24 136" "170 88" "170 64" "32 388"; do
    # shellcheck disable=SC2086
    xdotool mousemove --window "$wid" $at click 1
    sleep 1
done
for _ in $(seq 600); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$pid" 2>/dev/null && fail "still running 60 s after Exit"
status=0
wait "$pid" || status=$?
pid=
[[ $status == 0 ]] || { cat "$work/valgrind.log"; fail "exit status $status"; }

# Records of definitely lost blocks whose stack names our code.
ours=$(awk '
    /definitely lost in loss record/ { inrec = 1; rec = $0 "\n"; next }
    inrec && /^==[0-9]+== *$/ { if (rec ~ /zomar::|main \(main\.cpp/) print rec; inrec = 0; next }
    inrec { rec = rec $0 "\n" }
' "$work/valgrind.log")
grep -E 'definitely lost:' "$work/valgrind.log" || true
[[ -z $ours ]] || { echo "$ours"; fail "memory definitely lost through our code"; }
echo "leakcheck: no block lost through our code"
