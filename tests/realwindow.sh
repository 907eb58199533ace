#!/usr/bin/env bash
# The real program in a real X window under Xvfb: wait for its window, check
# the screenshot's pixels, click a swatch and an option button where they are
# on screen, then press Exit and expect a clean exit.
# usage: realwindow.sh ZOMAR_BINARY [SCREENSHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window-checks.sh"

bin=$1
shots=${2:-$work/shots}
mkdir -p "$shots"
start_xvfb

"$bin" &
pid=$!
started+=($pid)
wid=$(timeout 10 xdotool search --sync --onlyvisible --name "$zomar_caption" | head -n 1) \
    || fail "no window captioned $zomar_product"
sleep 0.3

drive_window
echo "realwindow: all checks passed"
