#!/usr/bin/env bash
# The Windows program under Wine in Xvfb: the portable folder's Zomar.exe
# passes the same window checks as the Linux build; the version block read
# from the file; the NSIS installer installs silently, its program starts,
# and its uninstaller removes it.
# usage: wine.sh WINDOWS_BUILD_DIR [SCREENSHOT_DIR]
set -euo pipefail
source "$(dirname "$0")/lib.sh"
source "$(dirname "$0")/window-checks.sh"

build=$(cd "$1" && pwd)
shots=${2:-$work/shots}
mkdir -p "$shots"
wine=/usr/lib/wine/wine64
at_exit+=('WINEPREFIX=$work/prefix wineserver -k 2>/dev/null')
# The version the build stamped, as CMake's cache has it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || fail "no project version in $build/CMakeCache.txt"

exe=$build/Zomar.exe
[[ -f $exe ]] || fail "no $exe"

# The version block, as Windows shows it in the file's properties.
wrestool -x --raw --type=16 "$exe" | tr -d '\0' >"$work/version"
for field in "FileVersion $version" "ProductVersion $version" "ProductName Zomar........!" \
             "InternalName Zomar" "OriginalFilename Zomar.exe"; do
    name=${field%% *} value=${field#* }
    grep -aqF "$name$value" "$work/version" || fail "version block: $name is not $value"
done
grep -aq '041904[Ee]3' "$work/version" || fail "version block is not Russian (041904E3)"
wrestool -l "$exe" | grep -q "language=1049" || fail "resources are not tagged Russian"
# The icon: a 16 and a 32 pixel image of 16 colours.
wrestool -x --type=group_icon "$exe" >"$work/icon.ico"
icons=$(icotool -l "$work/icon.ico" | sort)
[[ $icons == *"--width=16 --height=16 --bit-depth=4"* && $icons == *"--width=32 --height=32 --bit-depth=4"* ]] \
    || fail "icon: $icons"

start_xvfb
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
"$wine" wineboot -i >/dev/null 2>&1

# start EXE: the program under Wine, until its window shows.
start() {
    "$wine" "$1" >/dev/null 2>&1 &
    pid=$!
    started+=($pid)
    # Polled: Wine's short-lived windows (the installer's among them) can
    # vanish mid-search, and xdotool's own --sync gives up on that.
    wid=
    for _ in $(seq 120); do
        wid=$(xdotool search --onlyvisible --name "$zomar_caption" 2>/dev/null | head -n 1) || true
        [[ -n $wid ]] && break
        sleep 0.5
    done
    [[ -n $wid ]] || fail "no window captioned Zomar........! from $1"
    sleep 1
}

# The portable folder, as the zip unpacks it.
cmake --install "$build" --prefix "$work/portable" >/dev/null
start "$work/portable/Zomar.exe"
drive_window

# The installer, silently, then the installed program, then its uninstaller.
installer=$(ls "$build"/Zomar-*-win64.exe)
"$wine" "$installer" /S >/dev/null 2>&1
programs=$work/prefix/drive_c/Program\ Files/Zomar
[[ -f $programs/Zomar.exe ]] || fail "the installer put no Zomar.exe in Program Files"
ls "$work"/prefix/drive_c/*/*/"Start Menu"/Programs/Zomar/Zomar.lnk >/dev/null 2>&1 \
    || ls "$work"/prefix/drive_c/users/*/AppData/Roaming/Microsoft/Windows/"Start Menu"/Programs/Zomar/Zomar.lnk >/dev/null 2>&1 \
    || ls "$work"/prefix/drive_c/ProgramData/Microsoft/Windows/"Start Menu"/Programs/Zomar/Zomar.lnk >/dev/null 2>&1 \
    || fail "no Start-menu shortcut Zomar"
uninstall=$("$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zomar' 2>/dev/null | tr -d '\r')
[[ $uninstall == *'DisplayIcon    REG_SZ    C:\Program Files\Zomar\Zomar.exe'* ]] \
    || fail "no uninstall entry with the program's icon: $uninstall"
[[ $uninstall == *"DisplayVersion    REG_SZ    $version"* ]] || fail "uninstall entry: $uninstall"
start "$programs/Zomar.exe"
shot installed
expect installed 232 73 255,255,255 "the installed program's stripe 1"
kill "$pid"; wait "$pid" 2>/dev/null || true
"$wine" "$programs/Uninstall.exe" /S >/dev/null 2>&1
for _ in $(seq 100); do [[ -f $programs/Zomar.exe ]] || break; sleep 0.2; done
[[ -f $programs/Zomar.exe ]] && fail "the uninstaller left Zomar.exe"
echo "wine: all checks passed"
