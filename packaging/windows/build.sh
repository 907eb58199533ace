#!/usr/bin/env bash
# Cross-builds the Windows program with Debian's MinGW-w64: Qt once (cached,
# see build-qt.sh), then Zomar.exe, its portable zip and the NSIS installer
# Zomar-<version>-win64.exe, all in BUILD_DIR.
# usage: packaging/windows/build.sh [BUILD_DIR [CMAKE_OPTION...]]   (default build/windows)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
source "$root/tools/packages.sh"
"$root/tools/ensure-packages.sh" "${build_packages[@]}" "${windows_packages[@]}"

qt=$("$here/build-qt.sh")
build=${1:-$root/build/windows}
(($#)) && shift
# A build folder configured against another Qt (an older cache) keeps that
# Qt's packages in its cache: it starts afresh instead.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qx "Qt6_DIR:PATH=$qt/lib/cmake/Qt6" "$build/CMakeCache.txt"; then
    rm -f "$build/CMakeCache.txt"
fi
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$here/mingw-w64.cmake" \
    -DCMAKE_PREFIX_PATH="$qt" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZOMAR_BENCHMARKS=OFF "$@" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G ZIP >/dev/null && cpack -G NSIS >/dev/null)
ls "$build"/Zomar-*-win64.zip "$build"/Zomar-*-win64.exe
