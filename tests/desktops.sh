#!/usr/bin/env bash
# The real program on the desktops people have: every pixel of its window is
# the same under a dark GTK theme, a style override, command-line arguments,
# a 144-dpi desktop with Qt's scaling off, a forced size and on Wayland as on
# a bare X server, also once the output's scale went from 2 back to 1; under
# a window manager its frame offers no maximise and it stays a normal
# window; the compositor's maximise does not end it; sway floats it at its
# size where Qt keeps that size fixed on Wayland (6.8 on) and tiles it where
# only its least size is (6.4); closed by the window manager or the
# compositor, it ends with status 0; a screen reader says every value whole
# and each band's new colour.
# usage: desktops.sh ZOMAR_BINARY [SCREENSHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/lib.sh"

bin=$1
shots=${2:-$work/shots}
mkdir -p "$shots"
start_xvfb 1600x1200x24
start_session_bus

# qt_from VERSION: whether the program is built with that Qt or a later one.
qt_from() {
    [[ $(printf '%s\n' "$1" "${ZOMAR_QT_VERSION:?the Qt version the program is built with}" | sort -V |
        head -n 1) == "$1" ]]
}

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
    end "$pid"
}

# capture WINDOW FILE: a screenshot of the X window, or of sway's output
# for "sway".
capture() {
    if [[ $1 == sway ]]; then grim "$2"; else import -window "$1" "$2"; fi
}

# settled NAME [WINDOW [SIZE]]: a screenshot of the window ($wid by default)
# once it has stopped changing; with SIZE (or "client"), cut to the client
# area, found as the box of its teal, or to that area's top-left SIZE.
# Prints the size of what it keeps.
settled() {
    local shot=$shots/$1.png w h x y
    capture "${2:-$wid}" "$shot"
    for _ in $(seq 20); do
        sleep 0.2
        capture "${2:-$wid}" "$work/again.png"
        [[ $(compare -metric AE "$shot" "$work/again.png" null: 2>&1 || true) == 0 ]] && break
        mv "$work/again.png" "$shot"
    done
    [[ -n ${3:-} ]] || return 0
    IFS='x+' read -r w h x y <<<"$(convert "$shot" -fill black +opaque 'rgb(0,64,64)' \
        -bordercolor black -border 1 -format '%@' info: 2>/dev/null)" # the border: a teal corner is no background
    [[ $3 == client ]] || { w=${3%x*}; h=${3#*x}; }
    convert "$shot" -crop "${w}x${h}+$((x - 1))+$((y - 1))" +repage "$shot" 2>/dev/null
    echo "${w}x$h"
}

# until SIZE NAME WINDOW: settled's client area, once it is (or, for !SIZE,
# is no longer) of that size, within ten seconds.
until_size() {
    local got
    for _ in $(seq 25); do
        got=$(settled "$2" "$3" client)
        [[ $1 == !* && $got != "${1#!}" || $got == "$1" ]] && return
        sleep 0.2
    done
    fail "$2: the window is $got, not ${1/!/other than }"
}

# until_same NAME REFERENCE WINDOW: settled's client area, once it is the
# reference's to the pixel, within ten seconds.
until_same() {
    for _ in $(seq 25); do
        settled "$1" "$3" client >/dev/null
        [[ $(compare -metric AE "$shots/$2.png" "$shots/$1.png" null: 2>&1 || true) == 0 ]] && return
        sleep 0.2
    done
    same "$1" "$2"
}

# closes WHO START CLOSE: five times, the window of the program started by
# START (the first time: the one running) closed by CLOSE (a command, run
# by eval) ends the program within two seconds with status 0.
closes() {
    local try
    for try in 1 2 3 4 5; do
        ((try == 1)) || $2
        eval "$3"
        gone "$pid" 2 || fail "still running 2 s after $1 closed it (try $try)"
        ((gone_status == 0)) || fail "exit status $gone_status after $1 closed it (try $try)"
    done
}

# shoot NAME [VAR=VALUE...] [-- ARGS...]: a screenshot of the client area,
# which must equal the plain one to the pixel.
shoot() {
    local name=$1
    shift
    start "$@"
    settled "$name" >/dev/null
    stop
    [[ $name == plain ]] || same "$name"
}

# same NAME [REFERENCE]: its screenshot has not one pixel other than the
# plain one's (or the reference's).
same() {
    local differ
    differ=$(compare -metric AE "$shots/${2:-plain}.png" "$shots/$1.png" "$shots/$1-diff.png" 2>&1 || true)
    [[ $differ == 0 ]] || fail "$1: $differ pixels differ from ${2:-the plain window} (see $shots/$1-diff.png)"
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
# Fonts and the style's parts keep their proportion to the controls.
shoot font-dpi-144 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=144
shoot font-dpi-72 QT_ENABLE_HIGHDPI_SCALING=0 QT_FONT_DPI=72
start QT_SCALE_FACTOR=2
settled plain-scale2
stop

# A size forced on the window, as a window manager that maximises any
# window does: the program lives on with its layout as it stands, and the
# window's own size comes back.
start
xdotool windowsize "$wid" 1024 736
settled forced "$wid" "$client_size" >/dev/null
same forced
xdotool windowsize "$wid" "$client_width" "$client_height"
[[ $(settled restored "$wid" client) == "$client_size" ]] || fail "the window's size did not come back"
stop

# The whole job by keys alone, with the Russian layout: every kind and band
# count, and in each every colour every band offers, as keyboard_scenario
# writes the keys with the engine's results; at each step the six fields,
# read through the accessibility bus, show them. The pointer never moves.
start LANG=ru_RU.UTF-8 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
steps=$(by_keys)
stop
echo "desktops: $steps steps by the keyboard alone, each field as the engine gives it"

# What a screen reader says: Orca, in Russian, with its debug log, driven
# by the keys a user presses. Orca runs once per user: with the user's own
# Orca running, this check is left out rather than that Orca ended.
# said: all that Orca has said, an utterance a line, but its echo of the
# keys pressed (the utterance its log gives after "Presenting keyboard
# event"; Orca 48 echoes the Orca key of Insert+KP_Home, 43 does not).
# press KEY...: the keys, to the window, each down for 6 ms as xdotool
# types (held=MS press KEY...: for MS milliseconds); heard: what Orca has
# said since.
# spoken TEXT: how many times Orca has said the text since, whole: from the
# start of an utterance to the end of one, in it or across the ones that
# follow it, a space between two. (Orca 43 says a radio button's name and
# then its state, and a notification's role and text at once; Orca 48 the
# name and state at once, and the role and text apart.)
# hear TEXT...: waits, ten seconds at most (or $within), until Orca has
# said each text since. once TEXT: Orca has said it once since.
said() {
    awk '/ - DEFAULT: Presenting keyboard event/ { echo = 1; next }
         / - TOTAL PROCESSING TIME/ { echo = 0 }
         / - SPEECH OUTPUT: / && echo { echo = 0; next }
         { print }' "$work/orca.log" 2>/dev/null |
        sed -n "s/^.* SPEECH OUTPUT: '\([^']*\)'.*/\1/p" | sed -E 's/[. ]+$//'
}
press() {
    pressed="$*"
    mark=$(said | wc -l)
    logged=$(wc -l <"$work/orca.log")
    xdotool key --window "$wid" --delay $((2 * ${held:-6})) "$@"
}
heard() { said | tail -n +$((mark + 1)); }
spoken() {
    heard | text=$1 awk '{ said[NR] = $0 }
        END {
            for (i = 1; i <= NR; i++) {
                run = said[i]
                for (j = i; length(run) < length(ENVIRON["text"]) && j < NR;) run = run " " said[++j]
                n += run == ENVIRON["text"]
            }
            print n + 0
        }'
}
hear() {
    local text
    for _ in $(seq $((${within:-10} * 10))); do
        for text in "$@"; do (($(spoken "$text"))) || { sleep 0.1 && continue 2; }; done
        return 0
    done
    fail "Orca did not say \"$text\" after $pressed; it said: $(heard | paste -sd '|')"
}
# The program's messages: a notification that shows, which Orca says with
# its role; built with Qt 6.8 on, an announcement, said as it is.
notice="notification "
qt_from 6.8 && notice=""
# unshown: waits, ten seconds at most, until the program's message shown
# since the keys has gone (the last change of its notification's showing
# that Orca's log has met since is to hidden); an announcement shows nothing.
unshown() {
    [[ -n $notice ]] || return 0
    for _ in $(seq 100); do
        tail -n +$((logged + 1)) "$work/orca.log" | grep -a ' - EVENT MANAGER: object:state-changed:showing for \[notification' |
            grep -v obsoleted | tail -n 1 | grep -q '(0, 0, \[notification' && return
        sleep 0.1
    done
    fail "the message did not go after $pressed"
}
once() { [[ $(spoken "$1") == 1 ]] || fail "Orca said \"$1\" other than once: $(heard | paste -sd '|')"; }
# given TEXT: how many times the program has given its message since the
# keys: its notification's showings in Orca's log; an announcement (Qt 6.8
# on) as Orca says it.
given() {
    [[ -n $notice ]] || { spoken "$1"; return; }
    tail -n +$((logged + 1)) "$work/orca.log" | grep -aF " - EVENT MANAGER: object:state-changed:showing for [notification | $1] " |
        grep -c '(1, 0, \[notification' || true
}
# step KEY: the key, and what Orca says first after it (in $line); false
# when Orca says nothing within ten seconds.
step() {
    press "$1"
    for _ in $(seq 100); do
        line=$(heard | head -n 1)
        [[ -n $line ]] && return
        sleep 0.1
    done
    return 1
}
# review UNTIL: flat review from the window's top, line by line, until a
# line that holds UNTIL; the lines in $lines.
review() {
    step Insert+KP_Home || fail "flat review said nothing of the window's top"
    lines=$line
    for _ in $(seq 40); do
        [[ $lines == *"$1"* ]] && return
        step KP_Page_Up || break
        lines+=$'\n'$line
    done
    fail "flat review showed no \"$1\": $lines"
}
if pgrep -u "$(id -u)" -x orca >/dev/null; then
    echo "desktops: an Orca of this user is running; the screen reader's check is left out"
else
    export LANG=ru_RU.UTF-8
    # Orca writes its log through a terminal of its own, so that each line is
    # there as it is written (to a file, Python holds lines back).
    script -qfec "exec orca -u '$work/orca' --debug-file=/dev/tty" "$work/orca.log" >/dev/null 2>&1 </dev/null &
    terminal=$!
    started+=($terminal)
    # What Orca said, and its log, kept with the screenshots.
    at_exit+=('said >"$shots/orca-speech.txt"; cp "$work/orca.log" "$shots/orca.log"')
    mark=0 pressed="Orca's start"
    within=60 hear "Чтение с экрана включено"
    orca=$(pgrep -P "$terminal")
    started+=($orca)
    start QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    xdotool windowfocus "$wid"
    hear "Сопротивление выбрано radio button"
    # A kind chosen: its value once.
    press Down
    hear "${notice}99000 мкФ" "Емкость выбрано radio button"
    once "${notice}99000 мкФ"
    # Each result field: its name and its whole text, once, and no word of
    # the selection Tab makes or ends.
    press Tab
    hear "5 выбрано radio button"
    for field in "Цифры номинала:99" "Единица номинала:пФ" "Множитель:1000000000" \
        "Номинал с единицей:99000 мкФ" "Допуск:+80% -20% (Z)" "Напряжение:90v"; do
        press Tab
        hear "${field%%:*} только для чтения text" "${field#*:} выделен"
        once "${field#*:} выделен"
        heard | grep -qi "не выделен" && fail "Orca spoke of a selection at ${field%%:*}: $(heard | paste -sd '|')"
    done
    # The context menu, from the keyboard: its first item at once, and the
    # field again on Escape.
    press shift+F10
    hear $'Копировать\tCtrl+C'
    press Escape
    hear "Напряжение только для чтения text"
    # A band's colour from it, each step said; the choice said once, and
    # once more by the band's shortcut, back to white.
    press shift+F10
    hear $'Копировать\tCtrl+C'
    press Down # "Выделить всё" is off: all of the text is selected
    hear "Цвет полосы 1"
    step Right || fail "Orca said nothing of band 1's first colour"
    [[ $line == Черный* ]] || fail "Orca said \"$line\" for band 1's first colour" # 48: "Черный не отмечено"
    press Return
    hear "${notice}Черный, 9000 мкФ" "Напряжение только для чтения text"
    once "${notice}Черный, 9000 мкФ"
    press ctrl+shift+1
    hear "${notice}Белый, 99000 мкФ"
    once "${notice}Белый, 99000 мкФ"
    # Band counts chosen: each its value once.
    press shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab
    hear "Кол-во полос panel"
    press Left
    hear "${notice}99000 мкФ" "4 выбрано radio button"
    press Left
    hear "${notice}99000 мкФ" "3 выбрано radio button"
    once "${notice}99000 мкФ"
    # Resistor, three bands, capacitor, inductor: band 4 is shown again, and
    # flat review shows it, its stripe and its swatches, and no hidden band.
    press shift+Tab
    hear "Емкость выбрано radio button"
    press Up
    hear "${notice}99000 МОм" "Сопротивление выбрано radio button"
    press Down
    hear "${notice}99000 мкФ" "Емкость выбрано radio button"
    press Down
    hear "${notice}99000 Гн" "Индуктивность выбрано radio button"
    once "${notice}99000 Гн"
    press KP_Subtract
    hear "Войти в режим общего осмотра" "выбрано" # flat review, at the selected kind
    review "Серебряный для полосы 4"
    for text in "Цвет полосы 4: Золотой" "Золотой для полосы 4" "1 2 3 4 № полос"; do
        [[ $lines == *"$text"* ]] || fail "flat review lacks \"$text\": $lines"
    done
    [[ $lines == *"полосы 5"* ]] && fail "flat review shows band 5, hidden: $lines"
    # Band 4's silver clicked in flat review: chosen and said. The review
    # goes word by word along the line, to the "4" of "для полосы 4".
    word=""
    for _ in $(seq 12); do
        previous=$word
        step KP_Right || break
        word=$line
        [[ $previous == полосы && $word == 4 ]] && break
    done
    [[ $word == 4 ]] || fail "flat review did not reach band 4's silver"
    # Orca 43 clicks with the pointer (Orca 48 presses the item's action
    # first), and takes its click as lost when the pointer has not yet moved
    # as it asked, which on a loaded machine it may not have: it then clicks
    # at the item's centre and presses the swatch's action as well, and all
    # of them may arrive. The pointer first goes where Orca clicks, routed by
    # Insert+KP_Divide from a corner it cannot be at; already there, it has
    # nothing to move: one click.
    if (($(orca --version 2>/dev/null | grep -o '[0-9]\+' | head -n 1) < 48)); then
        xdotool mousemove --sync 0 0
        held=150 press Insert+KP_Divide
        for _ in $(seq 100); do
            [[ $(xdotool getmouselocation) == "x:0 y:0 "* ]] || break
            sleep 0.1
        done
        if [[ $(xdotool getmouselocation) == "x:0 y:0 "* ]]; then
            fail "Orca did not route the pointer to band 4's silver"
        fi
    fi
    # The key is held as a person holds it. Orca 43 clicks while handling
    # the key's press, and the registry makes the click only once Orca has
    # taken the key's release: released at once, the click waited 3 s, or
    # Orca gave up after 0.8 s, clicked again and pressed the swatch's
    # action, for two or three clicks.
    held=150 press KP_Divide
    hear "${notice}Серебряный, 99000 Гн"
    clicked=$mark clicked_log=$logged
    # A kind chosen after it: once its message has gone, flat review reads
    # neither message; its top line is the caption of the kinds' frame.
    press KP_Subtract
    hear "Выйти из режима общего осмотра"
    press Up
    hear "${notice}99000 мкФ" "Емкость выбрано radio button"
    unshown
    # Every click the one key made has come by now: band 4 set once, and
    # said once.
    mark=$clicked logged=$clicked_log
    once "${notice}Серебряный, 99000 Гн"
    times=$(given "Серебряный, 99000 Гн")
    ((times == 1)) || fail "one flat-review click set band 4 $times times"
    press KP_Subtract
    hear "Войти в режим общего осмотра" "выбрано"
    review "Exit"
    [[ $lines == *"Серебряный, "* || ${lines%%$'\n'*} != Элемент ]] && fail "flat review reads a message: $lines"
    stop
fi

# On sway (headless, drawn by the CPU; as an unprivileged user, since sway
# will not run as root), on a black output: a window of fixed size floats at
# its size, a window with only its least size is tiled over the output. Then,
# its windows floating by a rule: the window sway closes ends the program
# with status 0, every time, with a screen reader listening (Orca, when it
# ran above) and without; and once the output's scale has gone from 2 back
# to 1, the window shows the pixels of a fresh start at scale 1.
sway_dir=$(mktemp -d)
at_exit+=('rm -rf "$sway_dir"')
as_user=()
((EUID)) || { as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups); chown nobody: "$sway_dir"; }
chmod 700 "$sway_dir"
printf '%s\n' 'xwayland disable' 'output * resolution 1600x1200 bg #000000 solid_color' 'default_border none' \
    'default_floating_border none' >"$sway_dir/config"
"${as_user[@]}" env -i PATH="$PATH" HOME="$sway_dir" XDG_RUNTIME_DIR="$sway_dir" WLR_BACKENDS=headless \
    WLR_RENDERER=pixman sway -c "$sway_dir/config" >"$work/sway.log" 2>&1 &
started+=($!)
for _ in $(seq 100); do
    SWAYSOCK=$(compgen -G "$sway_dir/sway-ipc.*.sock") && [[ -S $sway_dir/wayland-1 ]] && break
    sleep 0.1
done
[[ -S $sway_dir/wayland-1 ]] || { cat "$work/sway.log" >&2; fail "sway did not start"; }
export SWAYSOCK
# on_sway [VAR=VALUE...]: the program, until sway has its window.
on_sway() {
    env "$@" QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY="$sway_dir/wayland-1" "$bin" 2>"$work/stderr" &
    pid=$!
    started+=($pid)
    for _ in $(seq 100); do
        [[ $(swaymsg -t get_tree) == *"\"pid\": $pid,"* ]] && return
        sleep 0.1
    done
    cat "$work/stderr" >&2
    fail "no window on sway with $*"
}
# Qt 6.8 on: the window keeps its size fixed on Wayland as on X11; before,
# only its least size (workaround "wayland-maximise", docs/workarounds.md).
on_sway
if qt_from 6.8; then
    swaymsg -q "[pid=$pid floating] nop" || fail "sway tiled the window of fixed size"
    WAYLAND_DISPLAY=$sway_dir/wayland-1 until_size "$client_size" sway-fixed sway
else
    swaymsg -q "[pid=$pid tiling] nop" || fail "sway did not tile the window with a least size only"
    WAYLAND_DISPLAY=$sway_dir/wayland-1 until_size 1600x1200 sway-tiled sway
fi
stop
swaymsg -q 'for_window [app_id=".*"] floating enable'
on_sway QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
a11y=1
on_sway_by_turns() {
    a11y=$((!a11y))
    on_sway QT_LINUX_ACCESSIBILITY_ALWAYS_ON=$a11y
}
closes sway on_sway_by_turns 'swaymsg -q "[pid=$pid] kill"'
[[ -n ${orca:-} ]] && end "$orca" "$terminal"
export WAYLAND_DISPLAY=$sway_dir/wayland-1 # grim's
on_sway
until_size "$client_size" sway-scale1 sway
stop
same sway-scale1
swaymsg -q output '*' scale 2
on_sway
until_size $((client_width * 2))x$((client_height * 2)) sway-scale2 sway
swaymsg -q output '*' scale 1
until_same sway-scale2to1 sway-scale1 sway
stop
unset WAYLAND_DISPLAY

# On Wayland: Weston (its X11 backend, a window on this X server) at output
# scales 2 and 1 shows the X11 window's pixels. The compositor's maximise, a
# key and a click leave the program running with its layout as it stands,
# and un-maximise gives the layout's size back; a band's shortcut works.
printf '[core]\nidle-time=0\n[shell]\npanel-position=none\nlocking=false\nanimation=none\n' >"$work/weston.ini"
for scale in 2 1; do
    xdotool mousemove 0 0 # Weston draws the pointer; it stays off the window
    weston --backend=x11-backend.so --use-pixman --width=700 --height=560 --scale=$scale \
        --socket=wayland-$scale --config="$work/weston.ini" >"$work/weston.log" 2>&1 &
    weston=$!
    started+=($weston)
    for _ in $(seq 100); do [[ -S $XDG_RUNTIME_DIR/wayland-$scale ]] && break; sleep 0.1; done
    output=$(xwininfo -root -tree | awk '/"Weston Compositor/ { print $1; exit }')
    QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=wayland-$scale "$bin" 2>"$work/stderr" &
    pid=$!
    started+=($pid)
    until_size $((client_width * scale))x$((client_height * scale)) wayland-scale$scale "$output"
    ((scale == 1)) || { same wayland-scale2 plain-scale2; stop; end "$weston"; }
done
same wayland-scale1
xdotool key super+shift+m
until_size "!$client_size" wayland-maximised "$output"
convert "$shots/wayland-maximised.png" -crop "$client_size+0+0" +repage "$shots/wayland-maximised.png"
same wayland-maximised
xdotool key Tab
xdotool mousemove --window "$output" 300 300 click 1 mousemove 0 0
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/stderr" >&2; fail "the program ended when Weston maximised it"; }
xdotool key super+shift+m
until_size "$client_size" wayland-restored "$output"
# A band by its shortcut, as on X11: Ctrl+1 takes band 1 from white to black.
xdotool key ctrl+1
read -r x y <<<"${point[Line1]}"
for _ in $(seq 50); do
    settled wayland-key "$output" client >/dev/null
    stripe=$(colour wayland-key "$x" "$y")
    stripe=${stripe%,*} # red and green
    [[ $stripe == 0,0 ]] && break
    sleep 0.2
done
[[ $stripe == 0,0 ]] || fail "Ctrl+1 on Wayland left stripe 1 at $stripe (red, green)"
stop
end "$weston"

# Under a window manager.
openbox --sm-disable >/dev/null 2>&1 &
started+=($!)
for _ in $(seq 50); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
start
settled openbox >/dev/null
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
# Closed by the window manager (WM_DELETE_WINDOW), the program ends at once
# with status 0, every time.
closes "the window manager" start 'wmctrl -i -c "$wid"'
echo "desktops: all checks passed"
