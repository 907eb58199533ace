# Sourced by the test scripts: fail(), a work folder that goes at exit with
# the processes the script started, an X server of its own, and the points
# of the window where the real-window tests click.

# fail WHAT: the test ends, failed.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
# Whatever the programs under test keep goes with the work folder, not into
# the user's home; a build still finds the project's cache (the Windows Qt).
build_cache=${XDG_CACHE_HOME:-$HOME/.cache}
# (Mesa finds the home through the password file: XDG_CACHE_HOME it reads.)
export HOME=$work XDG_CACHE_HOME=$work/.cache XDG_CONFIG_HOME=$work/.config XDG_DATA_HOME=$work/.local/share
started=() # processes to end at exit, the X server first in the list
at_exit=() # commands to run at exit before they end

# gone PID SECONDS: whether the process ends within the time; it is reaped
# when it is ours, and its status is in $gone_status.
gone() {
    local deadline=$((SECONDS + $2))
    while kill -0 "$1" 2>/dev/null; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    gone_status=0
    wait "$1" 2>/dev/null || gone_status=$?
}

# end PID...: each process is asked to end (TERM), and killed when it has
# not within five seconds; none outlives this.
end() {
    local pid
    for pid in "$@"; do
        kill "$pid" 2>/dev/null || true
        gone "$pid" 5 || { kill -KILL "$pid" 2>/dev/null || true; gone "$pid" 5 || true; }
    done
}

finish() {
    local i
    for i in "${at_exit[@]}"; do eval "$i" || true; done
    for ((i = ${#started[@]} - 1; i >= 0; i--)); do end "${started[i]}"; done
    rm -rf "$work"
}
trap finish EXIT

# start_xvfb [SCREEN]: an Xvfb of its own on a free display (1024x768x24 by
# default), DISPLAY pointed at it, the session files in $work. Xvfb runs
# with -noreset: it resets when its last client leaves, and a client that
# connects during the reset fails.
start_xvfb() {
    Xvfb -displayfd 5 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 5>"$work/display" 2>/dev/null &
    started+=($!)
    for _ in $(seq 100); do [[ -s $work/display ]] && break; sleep 0.05; done
    [[ -s $work/display ]] || fail "Xvfb did not start"
    export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR=$work
    chmod 700 "$work"
    unset QT_QPA_PLATFORM
}

# start_session_bus: a D-Bus session bus of its own (for a screen reader and
# the accessibility bus), after start_xvfb, so that what it starts keeps its
# files in $work too.
start_session_bus() {
    local bus
    bus=$(dbus-daemon --session --fork --nopidfile --print-address=1 --print-pid=1)
    export DBUS_SESSION_BUS_ADDRESS=${bus%%$'\n'*}
    started+=("${bus##*$'\n'}")
}

# copy_source BUILD: this source again, in $work/again/zomar, as another
# builder gets it: the release tarball of HEAD (git archive), unpacked
# inside another git repository and owned by another user (when root); a
# tree with uncommitted changes is copied as it stands instead, with its
# git history. Prints where the build folder BUILD would be in it. Build
# it with umask 077 and in a far time zone: the bytes must not change.
copy_source() {
    local root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
    mkdir -p "$work/again/zomar"
    if [[ -z $(git -C "$root" status --porcelain --untracked-files=no) ]]; then
        git -C "$work/again" init -q && git -C "$work/again" -c user.name=other -c user.email=other@localhost \
            commit -q --allow-empty -m other
        git -C "$root" archive HEAD | tar -C "$work/again/zomar" -xf -
        ((EUID)) || chown -R nobody: "$work/again/zomar"
    else
        echo "copy_source: uncommitted changes; the second build is from a copy of the work tree" >&2
        tar -C "$root" --exclude=./build -cf - . | tar -C "$work/again/zomar" -xf -
    fi
    echo "$work/again/zomar/$(realpath --relative-to="$root" "$1")"
}

# identical DIR1 DIR2 FILE...: each file is the same in both folders; their
# checksums are printed.
identical() {
    local a=$1 b=$2 file
    shift 2
    for file in "$@"; do
        sha256sum "$a/$file" "$b/$file"
        cmp "$a/$file" "$b/$file" || fail "$file differs between two builds of the same source"
    done
}

# ImageMagick 7 as magick (its convert, kept for compatibility, writes a
# stray line with -fx); 6 as convert.
im_convert=$(command -v magick || echo convert)

# colour SHOT X Y: the colour at a pixel of the screenshot $shots/SHOT.png as r,g,b.
colour() {
    "$im_convert" "$shots/$1.png" -format "%[fx:int(255*p{$2,$3}.r+0.5)],%[fx:int(255*p{$2,$3}.g+0.5)],%[fx:int(255*p{$2,$3}.b+0.5)]" info:
}

# same_picture IMAGE XPM: the image shows the 16-colour picture XPM, of its
# size, pixel for pixel.
same_picture() {
    local size differ
    size=$(identify -format '%wx%h' "$2")
    [[ $(identify -format '%wx%h' "$1") == "$size" ]] || fail "${1##*/} is not $size like ${2##*/}"
    differ=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [[ $differ == 0 ]] || fail "${1##*/} differs from ${2##*/} in $differ pixels"
}

# same_icon ICO: the icon file holds a 16 and a 32 pixel image of 16 colours,
# each the window's own picture (packaging/icon-SIZE.xpm) pixel for pixel.
same_icon() {
    local icons size out=$work/icon-${1##*/}
    icons=$(icotool -l "$1" | sort)
    [[ $icons == *"--width=16 --height=16 --bit-depth=4"* && $icons == *"--width=32 --height=32 --bit-depth=4"* ]] \
        || fail "icon ${1##*/}: $icons"
    mkdir -p "$out"
    icotool -x -o "$out" "$1"
    for size in 16 32; do
        same_picture "$out"/*_${size}x${size}x4.png "$(dirname "${BASH_SOURCE[0]}")/../packaging/icon-$size.xpm"
    done
}

# The window's facts, written from its layout at build time: its caption
# ($zomar_product; $zomar_caption, a pattern for xdotool), the client area's
# size ($client_size, $client_width, $client_height), and where each control
# stands in it, in pixels at scale 1: ${point[NAME]} the point clicked,
# ${rect[NAME]} its rectangle (x y width height); $background_point, a point
# of the bare background.
[[ -f ${ZOMAR_WINDOW_TABLE:-} ]] || fail "no window table: ZOMAR_WINDOW_TABLE names the build's window-table.sh"
source "$ZOMAR_WINDOW_TABLE"

# The window's scale in per cent (150 where Windows scales it to 144 dpi):
# scaled N... prints each length of pixels at scale 1 at this scale.
scale_percent=100
scaled() {
    local n out=()
    for n in "$@"; do out+=($(((n * scale_percent + 50) / 100))); done
    echo "${out[*]}"
}

# by_keys [--clipboard LOCALE]: the keyboard-only scenario (ZOMAR_KEYBOARD_SCENARIO,
# numbers as in Russian or in LOCALE) driven by keyboard.py in the window $wid of
# $pid, with the Russian layout and the pointer still; with --clipboard, the
# window as it opens alone, the fields copied from the first result field
# (the rest of the scenario read and left, so that its writer ends well).
# Prints the steps checked.
by_keys() {
    local pointer steps
    xdotool windowfocus "$wid"
    setxkbmap ru
    pointer=$(xdotool getmouselocation)
    [[ -z ${1:-} ]] || xdotool key --window "$wid" Tab Tab
    steps=$("${ZOMAR_KEYBOARD_SCENARIO:?the scenario program}" ${2:+"$2"} |
        awk -F'\t' -v first="${1:-}" 'first && $1 !~ /^ctrl/ { done = 1 } !done' |
        "$(dirname "${BASH_SOURCE[0]}")/keyboard.py" ${1:+"$1"} "$wid" "$pid") || fail "the keyboard scenario failed"
    setxkbmap us
    [[ $(xdotool getmouselocation) == "$pointer" ]] || fail "the pointer moved: $pointer, then $(xdotool getmouselocation)"
    echo "$steps"
}

# click NAME...: clicks each control in the window $wid, a moment apart.
click() {
    local name
    for name in "$@"; do
        # shellcheck disable=SC2046
        xdotool mousemove --window "$wid" $(scaled ${point[$name]}) click 1
        sleep "${click_pause:-0.3}"
    done
}
