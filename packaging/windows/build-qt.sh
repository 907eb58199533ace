#!/usr/bin/env bash
# Cross-builds Qt for Windows (MinGW-w64) from Debian's qt6-base source, once,
# into a cache keyed by the Qt version and these options. Prints the prefix.
# The system's apt configuration is left alone: the source list is private.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../tools/archive.sh"

# Qt's tools (moc, rcc, uic) come from the host's Qt, whose output needs a
# Qt of the same version to build against: the Windows Qt is the host's
# version, built from the qt6-base source of the host's Debian release
# (Debian 12: Qt 6.4.2, Debian 13: Qt 6.8.2).
host_moc=/usr/lib/qt6/libexec/moc
qt_version=$("$host_moc" -v 2>/dev/null | awk '{print $2}') || true
[[ -n $qt_version ]] || {
    echo "Windows Qt: the host's Qt tools ($host_moc, qt6-base-dev-tools) are missing or do not run" >&2
    exit 1
}
suite=$(host_codename)
[[ -n $suite ]] || { echo "Windows Qt: /etc/os-release names no Debian release (VERSION_CODENAME)" >&2; exit 1; }
qt_options=(
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF
    -DFEATURE_opengl=OFF -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_freetype=OFF
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_vulkan=OFF -DFEATURE_concurrent=OFF -DFEATURE_testlib=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_png=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
)
# Reproducible: the DLLs are stamped with the Qt source's date (its Debian
# changelog's, not the clock's), and no build folder's path is built in,
# so that two machines make the same bytes.
reproducible="SOURCE_DATE_EPOCH from debian/changelog; -ffile-prefix-map"
key=$( (echo "$qt_version"; printf '%s\n' "${qt_options[@]}" "$reproducible"; cat "$here/mingw-w64.cmake") \
       | sha256sum | cut -c1-12)
prefix=${XDG_CACHE_HOME:-$HOME/.cache}/zomar/qt-$qt_version-mingw-$key

if [[ -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

# The build folder stays until the build succeeds, so that a build cut
# short goes on where it stopped.
work=$prefix.build
mkdir -p "$work"
chmod 755 "$work"  # apt fetches as _apt

# Debian's source package, through a private source list and state folder,
# from the archive the system's own apt sources name for the host's release.
if [[ ! -f $work/.unpacked ]]; then
    mirror=$(debian_archive "$suite")
    [[ -n $mirror ]] || {
        echo "Windows Qt: apt knows no Debian archive with $suite main (apt-get indextargets lists none);" \
             "add one to the apt sources, or run apt-get update, to fetch qt6-base's source" >&2
        exit 1
    }
    mkdir -p "$work/apt/lists/partial"
    echo "deb-src $mirror $suite main" >"$work/apt/sources.list"
    apt_private=(-o Dir::Etc::sourcelist="$work/apt/sources.list" -o Dir::Etc::sourceparts=- -o APT::Sandbox::User=root
                 -o Dir::State::Lists="$work/apt/lists" -o APT::Get::List-Cleanup=0)
    echo "Windows Qt $qt_version: fetching the source from $mirror" >&2
    apt-get "${apt_private[@]}" update -qq >&2
    (cd "$work" && apt-get "${apt_private[@]}" source --download-only qt6-base >/dev/null)
    orig=$(compgen -G "$work/qt6-base_${qt_version}[+.]*orig.tar.*" | head -n 1) || true
    [[ -n $orig ]] || {
        echo "Windows Qt: $suite's qt6-base source is $(cd "$work" && ls qt6-base_*.dsc 2>/dev/null), not Qt $qt_version" \
             "as the host's Qt tools are (a Qt from elsewhere, or an upgrade since?): the two must be the same version" >&2
        rm -f "$work"/qt6-base_*
        exit 1
    }
    tar -xf "$orig" -C "$work"
    touch "$work/.unpacked"
fi
src=$(find "$work" -maxdepth 1 -type d -name 'qtbase-*' | head -n 1)
SOURCE_DATE_EPOCH=$(tar -xOf "$work"/qt6-base_*.debian.tar.* debian/changelog | sed -n 's/^ -- .*>  //p' | head -n 1 |
                    date -f - +%s) || { echo "Windows Qt: no date in the source's debian/changelog" >&2; exit 1; }
export SOURCE_DATE_EPOCH

echo "Windows Qt $qt_version: building into $prefix (once; about half an hour on two cores)" >&2
failed() { # log
    grep -B2 -A12 -E '^FAILED|error:|CMake Error' "$1" | head -60 >&2
    echo "Windows Qt: failed; the whole log is $1" >&2
    exit 1
}
cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_C_FLAGS="-ffile-prefix-map=$work/=" -DCMAKE_CXX_FLAGS="-ffile-prefix-map=$work/=" \
    "${qt_options[@]}" >"$work/configure.log" 2>&1 || failed "$work/configure.log"
cmake --build "$work/build" --parallel "$(nproc)" >"$work/build.log" 2>&1 || failed "$work/build.log"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
