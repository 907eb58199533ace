#!/usr/bin/env bash
# The program from start to Exit under valgrind, in a real X window: it
# fails on any block definitely lost whose allocation passes through our own
# code. Leaks wholly inside the system libraries are theirs, not ours.
# usage: leakcheck.sh ZOMAR_BINARY SUPPRESSIONS  (LEAKCHECK_LOG=file keeps the log)
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bin=$1 supp=$2
[[ -n ${LEAKCHECK_LOG:-} ]] && at_exit+=('cp "$work/valgrind.log" "$LEAKCHECK_LOG"')
start_xvfb
# With accessibility on, on a session bus with its accessibility bus.
[[ -n ${QT_LINUX_ACCESSIBILITY_ALWAYS_ON:-} ]] && start_session_bus

valgrind --leak-check=full --show-leak-kinds=definite --errors-for-leak-kinds=definite \
    --num-callers=40 --suppressions="$supp" --log-file="$work/valgrind.log" "$bin" &
pid=$!
started+=($pid)
wid=$(timeout 120 xdotool search --sync --onlyvisible --name "$zomar_caption" | head -n 1) \
    || fail "no window under valgrind"
sleep 1
# A few clicks: a swatch, three bands, the inductor, the capacitor, Exit.
click_pause=1 click L3_2 L3_En Op_G Op_C Exit_Btn
gone "$pid" 60 || fail "still running 60 s after Exit"
((gone_status == 0)) || { cat "$work/valgrind.log"; fail "exit status $gone_status"; }

# Records of definitely lost blocks whose stack names our code.
ours=$(awk '
    /definitely lost in loss record/ { inrec = 1; rec = $0 "\n"; next }
    inrec && /^==[0-9]+== *$/ { if (rec ~ /zomar::|main \(main\.cpp/) print rec; inrec = 0; next }
    inrec { rec = rec $0 "\n" }
' "$work/valgrind.log")
grep -E 'definitely lost:' "$work/valgrind.log" || true
[[ -z $ours ]] || { echo "$ours"; fail "memory definitely lost through our code"; }
echo "leakcheck: no block lost through our code"
