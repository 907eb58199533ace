# Sourced by the scripts that run the real program in an X window.

# fail WHAT: the test ends, failed.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# start_xvfb DIR: starts an Xvfb of its own on a free display (its pid in
# $xvfb), points DISPLAY at it and keeps the session files in DIR.
# Xvfb runs with -noreset: it resets when its last client leaves, and a
# client that connects during the reset fails.
start_xvfb() {
    local dir=$1
    Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp -noreset 5>"$dir/display" 2>/dev/null &
    xvfb=$!
    for _ in $(seq 100); do [[ -s $dir/display ]] && break; sleep 0.05; done
    [[ -s $dir/display ]] || { echo "FAIL: Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(cat "$dir/display")" XDG_RUNTIME_DIR=$dir
    chmod 700 "$dir"
    unset QT_QPA_PLATFORM
}

# The caption of Zomar's window, as a pattern for xdotool.
zomar_caption='^Zomar\.\.\.\.\.\.\.\.!$'
