#!/usr/bin/env bash
# Cross-builds Qt for Windows (MinGW-w64) from Debian's qt6-base source, once,
# into a cache keyed by the Qt version and these options. Prints the prefix.
# The system's apt configuration is left alone: the source list is private.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

qt_version=6.4.2
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
# from the archive the system's own apt sources name for Debian 12 (whose
# qt6-base is Qt 6.4.2), in either of apt's formats.
suite=bookworm
archive() {
    # One-line format: deb [options] URI SUITE COMPONENT...
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | awk -v suite=$suite '
        /^[ \t]*deb(-src)?[ \t]/ {
            sub(/\[[^]]*\]/, "")
            if ($3 == suite) for (i = 4; i <= NF; i++) if ($i == "main") { print $2; exit }
        }'
    # deb822 format: stanzas of Types, URIs, Suites, Components (Enabled: no skips one).
    cat /etc/apt/sources.list.d/*.sources 2>/dev/null | awk -v suite=$suite '
        BEGIN { RS = ""; FS = "\n" }
        {
            split("", f)
            for (i = 1; i <= NF; i++)
                if ($i !~ /^[ \t]*#/ && match($i, /^[A-Za-z-]+:/))
                    f[tolower(substr($i, 1, RLENGTH - 1))] = substr($i, RLENGTH + 1)
            if (f["types"] !~ /deb/ || tolower(f["enabled"]) ~ /no/) next
            found = 0
            n = split(f["suites"], s, " ")
            for (i = 1; i <= n; i++) if (s[i] == suite) found++
            n = split(f["components"], c, " ")
            for (i = 1; i <= n; i++) if (c[i] == "main") found++
            if (found == 2) { split(f["uris"], u, " "); print u[1]; exit }
        }'
}
if [[ ! -f $work/.unpacked ]]; then
    mirror=$(archive | head -n 1)
    [[ -n $mirror ]] || {
        echo "Windows Qt: no apt source for Debian $suite main is configured in /etc/apt/sources.list" \
             "or /etc/apt/sources.list.d/; add one to fetch qt6-base's source" >&2
        exit 1
    }
    mkdir -p "$work/apt/lists/partial"
    echo "deb-src $mirror $suite main" >"$work/apt/sources.list"
    apt_private=(-o Dir::Etc::sourcelist="$work/apt/sources.list" -o Dir::Etc::sourceparts=- -o APT::Sandbox::User=root
                 -o Dir::State::Lists="$work/apt/lists" -o APT::Get::List-Cleanup=0)
    echo "Windows Qt $qt_version: fetching the source from $mirror" >&2
    apt-get "${apt_private[@]}" update -qq >&2
    (cd "$work" && apt-get "${apt_private[@]}" source --download-only qt6-base >/dev/null)
    tar -xf "$work"/qt6-base_"$qt_version"*.orig.tar.* -C "$work"
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
