#!/usr/bin/env bash
# The real program on the desktops people have: every pixel of its window is
# the same under a dark GTK theme, a style override and command-line
# arguments as on a bare X server; under a window manager its frame offers
# no maximise and it stays a normal window.
# usage: desktops.sh ZOMAR_BINARY [SCREENSHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bin=$1
shots=${2:-$work/shots}
mkdir -p "$shots"
start_xvfb

# start [VAR=VALUE...] [-- ARGS...]: the program, until its window shows
# (its id in $wid).
start() {
    local vars=()
    while (($#)) && [[ $1 != -- ]]; do vars+=("$1"); shift; done
    (($#)) && shift
    env "${vars[@]}" "$bin" "$@" 2>"$work/stderr" &
    pid=$!
    started+=($pid)
    wid=$(timeout 10 xdotool search --sync --onlyvisible --name "$zomar_caption" | head -n 1) \
        || { cat "$work/stderr" >&2; fail "no window with ${vars[*]} $*"; }
    sleep 0.5
}
stop() {
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# settled NAME: a screenshot once the window has stopped changing.
settled() {
    import -window "$wid" "$shots/$1.png"
    for _ in $(seq 20); do
        sleep 0.2
        import -window "$wid" "$work/again.png"
        [[ $(compare -metric AE "$shots/$1.png" "$work/again.png" null: 2>&1 || true) == 0 ]] && return
        mv "$work/again.png" "$shots/$1.png"
    done
}

# shoot NAME [VAR=VALUE...] [-- ARGS...]: a screenshot of the client area,
# which must equal the plain one to the pixel.
shoot() {
    local name=$1
    shift
    start "$@"
    settled "$name"
    stop
    [[ $name == plain ]] || same "$name"
}

# same NAME: its screenshot has not one pixel other than the plain one.
same() {
    local differ
    differ=$(compare -metric AE "$shots/plain.png" "$shots/$1.png" "$shots/$1-diff.png" 2>&1 || true)
    [[ $differ == 0 ]] || fail "$1: $differ pixels differ from the plain window (see $shots/$1-diff.png)"
}

dark=(QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark XDG_CURRENT_DESKTOP=GNOME)
echo '* { background: red; color: blue; }' >"$work/red.qss"

shoot plain
shoot gtk3-dark "${dark[@]}"
shoot style-override QT_STYLE_OVERRIDE=Windows
shoot gtk3-dark-style-override "${dark[@]}" QT_STYLE_OVERRIDE=Windows
shoot reverse -- -reverse
shoot stylesheet -- -stylesheet "$work/red.qss"
shoot style-argument -- -style Windows

# Under a window manager.
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
start
settled openbox
same openbox
# _MOTIF_WM_HINTS: flags, functions, decorations, ...
read -r _ functions decorations _ < <(xprop -id "$wid" _MOTIF_WM_HINTS | sed 's/.*= //; s/,/ /g')
((functions & 0x10)) && fail "the window asks for maximise (functions $functions)"
((decorations & 0x40)) && fail "the frame offers a maximise button (decorations $decorations)"
for bit in 0x08:title 0x10:menu 0x20:minimise; do
    ((decorations & ${bit%%:*})) || fail "the frame lacks its ${bit#*:} (decorations $decorations)"
done
((functions & 0x20)) || fail "the window cannot be closed (functions $functions)"
xprop -id "$wid" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' || fail "not a normal window"
xprop -id "$wid" _NET_WM_STATE | grep -q SKIP_TASKBAR && fail "kept off the taskbar"
allowed=$(xprop -id "$wid" _NET_WM_ALLOWED_ACTIONS)
[[ $allowed == *_NET_WM_ACTION_CLOSE* && $allowed == *_NET_WM_ACTION_MINIMIZE* ]] || fail "window manager allows: $allowed"
[[ $allowed == *MAXIMIZE* ]] && fail "window manager offers maximise: $allowed"
stop
echo "desktops: all checks passed"
