#!/usr/bin/env bash
# The Windows program under Wine in Xvfb: the portable folder's Zomar.exe
# passes the same window checks as the Linux build, also scaled at 144 dpi
# with its captions as heavy and as evenly spaced; the version blocks read
# from the files. The NSIS installer installs silently, its Start-menu
# shortcut starts the program, a second install goes into the folder of the
# first, a per-user install needs no rights, and the uninstaller leaves
# nothing behind. Through its pages it does the same; it refuses a folder
# that cannot be used, a second installer at once and a running program;
# each uninstaller removes its own install. The same source built again in
# another folder gives the same bytes.
# usage: wine.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window-checks.sh"
source "$(dirname "$0")/../tools/archive.sh"

build=$(cd "$1" && pwd)
shots=${2:-$work/shots}
mkdir -p "$shots"
wine=/usr/lib/wine/wine64
at_exit+=('WINEPREFIX=$work/prefix /usr/lib/wine/wineserver -k 2>/dev/null')
# The version the build stamped, as CMake's cache has it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $build/CMakeCache.txt"

exe=$build/Zomar.exe
[[ -f $exe ]] || fail "no $exe"

# version_block FILE FIELD=VALUE...: the version block, as Windows shows it
# in the file's properties, has these fields.
version_block() {
    local file=$1 field
    shift
    wrestool -x --raw --type=16 "$file" | tr -d '\0' >"$work/version"
    for field in "FileVersion=$version" "ProductVersion=$version" "ProductName=$zomar_product" "$@"; do
        grep -aqF "${field/=/}" "$work/version" || fail "version block of ${file##*/}: no $field"
    done
}
version_block "$exe" InternalName=Zomar OriginalFilename=Zomar.exe
grep -aq '041904[Ee]3' "$work/version" || fail "version block is not Russian (041904E3)"
wrestool -l "$exe" | grep -q "language=1049" || fail "resources are not tagged Russian"
# The icon: a 16 and a 32 pixel image of 16 colours, the window's own picture.
wrestool -x --type=group_icon "$exe" >"$work/icon.ico"
same_icon "$work/icon.ico"

start_xvfb
# No Wine menu entries or icons for the desktop (winemenubuilder).
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
"$wine" wineboot -i >/dev/null 2>&1

# start EXE|LINK: the program under Wine, until its window shows.
start() {
    "$wine" start /wait /unix "$1" >/dev/null 2>&1 &
    pid=$!
    started+=($pid)
    await_window "$1"
}
# await_window FROM: $wid is the program's window, once it shows.
await_window() {
    # Polled: Wine's short-lived windows (the installer's among them) can
    # vanish mid-search, and xdotool's own --sync gives up on that.
    wid=
    for _ in $(seq 120); do
        wid=$(xdotool search --onlyvisible --name "$zomar_caption" 2>/dev/null | head -n 1) || true
        [[ -n $wid ]] && break
        sleep 0.5
    done
    [[ -n $wid ]] || fail "no window captioned $zomar_product from $1"
    sleep 1
}

# The portable folder, as the zip unpacks it. What ships beside Zomar.exe
# (Qt, its plug-in and texts, the MinGW runtime) has the bytes recorded in
# the repository for the host's Debian release, whose Qt and MinGW built it:
# another machine's build of it is the same.
cmake --install "$build" --prefix "$work/portable" >/dev/null
shipped=packaging/windows/shipped-$(host_codename).sha256
digests=$(realpath "$(dirname "$0")/../$shipped")
[[ -f $digests ]] || fail "no $shipped: what ships is recorded for each Debian release the Windows program is built on"
(cd "$work/portable" && sha256sum --quiet -c "$digests") \
    || fail "what ships differs from $shipped (a new Debian upload, or a build that is not reproducible: diffoscope tells)"
start "$work/portable/Zomar.exe"
drive_window
# The whole job by keys alone here too, with the Russian layout and the
# pointer still: every colour of every band of the window as it opens (a
# five-band resistor), at each step the six fields copied by keys as the
# engine gives them in the locale of Wine's user.
locale=$("$wine" reg query 'HKCU\Control Panel\International' /v LocaleName | tr -d '\r' | awk '/LocaleName/ { print $3 }')
start "$work/portable/Zomar.exe"
steps=$(by_keys --clipboard "${locale:?no locale of Wine\'s user}")
click Exit_Btn
gone "$pid" 10 || fail "still running 10 s after Exit"
echo "wine: $steps steps by the keyboard alone, each field as the engine gives it ($locale)"

# At 144 dpi (Windows' 150 %) the window is scaled as a whole: the same
# checks at that scale, and each yellow caption, and each result field's
# text as the inductor shows it, as heavy as at 96 dpi: its ink at most 2.6
# times that at 96 dpi (the area grows 2.25 times; drawn bold, the regular
# colour names had over 3) and at least 1.25 times (a regular stroke of one
# pixel stays one pixel; the unit narrowed in thin strokes had 1.17).
# ink PREFIX NAME: the ink of a caption in PREFIXstart, of a field's text in
# PREFIXinductor.
ink() {
    if [[ $2 =~ ^(Result[23]?|R_Full|Ed_Izm)$ ]]; then
        caption_ink "${1}inductor" "$2" field
    else
        caption_ink "${1}start" "$2"
    fi
}
declare -A ink96
for name in "${!rect[@]}"; do
    if [[ $name =~ ^(Label|Lab_|Op_|L._En|Result4_Txt|Result[23]?$|R_Full|Ed_Izm) ]]; then
        ink96[$name]=$(ink "" "$name")
    fi
done
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
scale_percent=150
start "$work/portable/Zomar.exe"
drive_window dpi144
for name in "${!ink96[@]}"; do
    ink=$(ink dpi144- "$name")
    ((ink * 100 <= ink96[$name] * 260 && ink * 100 >= ink96[$name] * 125)) \
        || fail "$name at 144 dpi: $ink pixels of ink, ${ink96[$name]} at 96 dpi"
done
# The kinds' captions evenly spaced: no gap between two letters over two
# pixels ("Соп ротивление" had three).
for name in Op_R Op_C Op_G; do
    gap=$(widest_gap dpi144-start "$name")
    ((gap <= 2)) || fail "the caption $name at 144 dpi: a gap of $gap pixels between two letters"
done
scale_percent=100
"$wine" reg delete 'HKCU\Control Panel\Desktop' /v LogPixels /f >/dev/null 2>&1

# The installer, silently, for all users (the default of an administrator):
# the Start-menu shortcut starts the installed program.
installer=$build/Zomar-$version-win64.exe
version_block "$installer"
"$wine" "$installer" /S >/dev/null 2>&1
programs=$work/prefix/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs
start "$programs/Zomar.lnk"
shot installed
expect installed $(at Line1) 255,255,255 "stripe 1 of the program the shortcut started"
# in_prefix PATTERN: the processes of this Wine prefix whose command line matches.
in_prefix() {
    local p
    for p in $(pgrep -f "$1"); do
        grep -qzx "WINEPREFIX=$WINEPREFIX" "/proc/$p/environ" 2>/dev/null && echo "$p"
    done
}
# exit_zomar: Exit pressed in the window $wid; the program, not a child of
# this script, ends.
exit_zomar() {
    click Exit_Btn
    for _ in $(seq 100); do [[ -z $(in_prefix 'Zomar\.exe') ]] && return; sleep 0.1; done
    fail "the installed program did not end"
}
exit_zomar
version_block "$work/prefix/drive_c/Program Files/Zomar/Uninstall.exe"
wrestool -x --raw --type=16 "$work/prefix/drive_c/Program Files/Zomar/Uninstall.exe" | iconv -f UTF-16LE -t UTF-8 -c \
    | grep -q "Установка и удаление Zomar" || fail "the uninstaller's version block calls it the installer"

# entry [HKCU]: the Uninstall entry's values (as UTF-8: reg prints '?' for
# what is not ASCII).
entry() {
    "$wine" reg export "${1:-HKLM}\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zomar" \
        'C:\entry.reg' /y >/dev/null 2>&1 || return 0
    iconv -f UTF-16 -t UTF-8 "$work/prefix/drive_c/entry.reg" | tr -d '\r'
}
# copies: where a Zomar.exe is installed.
copies() {
    find "$work/prefix/drive_c" -name Zomar.exe -not -path '*/windows/*' | sed "s|^$work/prefix/drive_c|C:|" | sort
}
[[ $(entry) == *'"DisplayIcon"="C:\\Program Files\\Zomar\\Zomar.exe"'* && $(entry) == *"\"DisplayVersion\"=\"$version\""* ]] \
    || fail "no uninstall entry with the program's icon and version: $(entry)"

# pages FILE [ARGUMENT...]: the installer or uninstaller FILE started as by a
# double-click, until its first page shows, titled as the setup is.
pages() {
    "$wine" "$@" >/dev/null 2>&1 &
    pages_pid=$!
    started+=($pages_pid)
    for _ in $(seq 120); do setup_window >/dev/null && return; sleep 0.5; done
    fail "no setup window from $*"
}
setup_window() {
    xdotool search --onlyvisible --name '^(Zomar Setup|Установка Zomar|Zomar Uninstall|Удаление Zomar)$' 2>/dev/null | head -n 1
    return "${PIPESTATUS[0]}"
}
# through: Return on each page, its default taken, until the setup's window
# has been gone a while (an uninstaller goes on from a copy of itself).
through() {
    local gone=0 setup
    for _ in $(seq 240); do
        if setup=$(setup_window); then
            gone=0
            xdotool key --window "$setup" Return 2>/dev/null || true
        elif ! kill -0 "$pages_pid" 2>/dev/null && ((++gone > 4)); then
            return
        fi
        sleep 0.5
    done
    fail "the setup did not end through its pages"
}
# refused WHY ARGUMENT...: the installer with these arguments fails with a
# message and a non-zero exit.
refused() {
    local why=$1
    shift
    ! timeout -k 10 120 "$wine" "$installer" "$@" >/dev/null 2>"$work/stderr" || fail "installed $why"
    grep -q Zomar "$work/stderr" || fail "no message when refused $why"
}

# Through the pages into a folder given with /D=, a second installer refused
# meanwhile: one copy, there, which the last page starts; an install over it
# while it runs is refused and writes nothing.
pages "$installer" '/D=C:\Chosen\Zomar'
refused "beside another installer" /S
through
await_window "the last page"
[[ $(copies) == C:/Chosen/Zomar/Zomar.exe && $(entry) == *'"InstallLocation"="C:\\Chosen\\Zomar"'* ]] \
    || fail "through the pages with /D=: $(copies) $(entry)"
[[ -n $(in_prefix 'C:.Chosen.Zomar.Zomar\.exe') ]] || fail "the last page did not start the installed program"
touch "$work/marker"
refused "over the running program" /S
[[ -z $(find "$work/prefix/drive_c/Chosen" -newer "$work/marker") ]] || fail "written over the running program"
exit_zomar

# Installed again into a folder of the user's choice, then once more: one
# copy on the disk, in that folder, and the Uninstall entry points at it.
"$wine" "$installer" /S '/D=C:\Программы\Zomar' >/dev/null 2>&1 || fail "the install into C:\Программы failed ($?)"
left=$(find "$work/prefix/drive_c/Chosen" -type f -printf '%P ')
[[ -z $left ]] || fail "the earlier install stays in C:\Chosen: $left"
"$wine" "$installer" /S >/dev/null 2>&1 || fail "the install over it failed ($?)"
[[ $(copies) == 'C:/Программы/Zomar/Zomar.exe' ]] || fail "installed copies: $(copies)"
[[ $(entry) == *'"UninstallString"="\"C:\\Программы\\Zomar\\Uninstall.exe\"'* ]] \
    || fail "the uninstall entry does not point at the install: $(entry)"
"$wine" 'C:\Программы\Zomar\Uninstall.exe' /S >/dev/null 2>&1

# A folder that cannot be used is refused.
for folder in 'Q:\Nope\Zomar' 'C:\windows\win.ini\Zomar' 'C:\bad<name>|\Zomar'; do
    refused "into $folder" /S "/D=$folder"
done
[[ -z $(copies) ]] || fail "installed into a folder that cannot be used: $(copies)"

# Through the pages over the copy CPack's installer left in C:\Old: one copy,
# there, and an entry of ours alone.
cp -r "$work/portable" "$work/prefix/drive_c/Old"
"$wine" reg add 'HKLM\Software\Zomar developers\Zomar' /ve /d 'C:\Old' /f >/dev/null 2>&1
"$wine" reg add 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zomar' /v StartMenu /d Zomar /f >/dev/null 2>&1
pages "$installer"
through
await_window "the last page"
exit_zomar
[[ $(copies) == C:/Old/Zomar.exe && $(entry) == *'"InstallLocation"="C:\\Old"'* && $(entry) != *StartMenu* ]] \
    || fail "through the pages over CPack's install: $(copies) $(entry)"

# For the current user alone, beside the one for all users: no
# administrator's folder, key or shortcut; its uninstaller, double-clicked,
# removes it alone.
"$wine" "$installer" /S /CurrentUser >/dev/null 2>&1
[[ $(copies) == $'C:/Old/Zomar.exe\nC:/users/'*/AppData/Local/Programs/Zomar/Zomar.exe && $(entry HKLM) == *'C:\\Old'* && -n $(entry HKCU) ]] \
    || fail "a per-user install: $(copies) $(entry HKLM)"
pages "$(copies | sed -n '/users/{s|Zomar.exe$|Uninstall.exe|;s|/|\\|g;p}')"
through
[[ $(copies) == C:/Old/Zomar.exe && $(entry HKLM) == *'C:\\Old'* && -z $(entry HKCU) ]] \
    || fail "the per-user uninstaller: $(copies) $(entry HKLM) $(entry HKCU)"
"$wine" 'C:\Old\Uninstall.exe' /S >/dev/null 2>&1

# The uninstallers leave nothing behind: files, shortcuts, keys.
for _ in $(seq 50); do [[ -z $(copies) ]] && break; sleep 0.2; done
left=$(find "$work/prefix/drive_c" -iname '*zomar*' -not -path '*/windows/*'
       entry HKLM
       entry HKCU
       "$wine" reg query 'HKLM\Software' 2>/dev/null | grep -i zomar
       "$wine" reg query 'HKCU\Software' 2>/dev/null | grep -i zomar) || true
[[ -z $left ]] || fail "left after uninstalling: $left"

# Reproducible: the same source, copied to another folder and built there,
# gives the same bytes (built from the committed stamp, not the clock).
again=$(copy_source "$build")
(umask 077 && XDG_CACHE_HOME=$build_cache TZ=Pacific/Kiritimati "$work/again/zomar/packaging/windows/build.sh" "$again") \
    >"$work/again.log" 2>&1 || { tail -20 "$work/again.log"; fail "the second build failed"; }
identical "$build" "$again" Zomar.exe "Zomar-$version-win64.zip" "Zomar-$version-win64.exe"
echo "wine: all checks passed"
