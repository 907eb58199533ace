#!/usr/bin/env bash
# Builds Zomar and runs the whole test suite: once plain with g++, once
# under AddressSanitizer and UndefinedBehaviorSanitizer with clang, then the
# Windows program under Wine. Warnings are errors here, in every build.
# Exits non-zero on any failure. ZOMAR_SKIP_WINDOWS=1 leaves the Windows
# stage out (tools/chroot.sh does, on a release that cannot build it).
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${build_packages[@]}" "${test_packages[@]}"

jobs=$(nproc)
strict=-DCMAKE_COMPILE_WARNING_AS_ERROR=ON

echo "== format"
clang-format --dry-run --Werror $(git ls-files '*.cpp' '*.h' 2>/dev/null || find numbertext engine platform window tests bench tools packaging main.cpp -name '*.cpp' -o -name '*.h')

suite() {
    local dir=$1 start=$SECONDS
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    echo "== $dir: built in $((SECONDS - start)) s"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
    echo "== $dir: built and tested in $((SECONDS - start)) s"
}

suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo "$strict"

# The sanitized run, built by the second compiler, takes one long random
# walk of 100000 steps.
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
ZOMAR_WALK=1 ZOMAR_WALK_STEPS=100000 QTEST_FUNCTION_TIMEOUT=1800000 \
    suite build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ "$strict" \
          -DZOMAR_SANITIZE=address,undefined -DZOMAR_BENCHMARKS=OFF

# The Windows program: cross-built with MinGW-w64 against Qt built once from
# Debian's source (cached outside the tree), then proven under Wine.
[[ ${ZOMAR_SKIP_WINDOWS:-} != 1 ]] || { echo "== build/windows: left out (ZOMAR_SKIP_WINDOWS=1)"; exit 0; }
echo "== build/windows"
packaging/windows/build.sh build/windows "$strict"
# The window's facts for the scripts come from the Linux build's layout table, and
# the keyboard's scenario with the engine's results from its tool.
ZOMAR_WINDOW_TABLE=$PWD/build/test/window-table.sh ZOMAR_KEYBOARD_SCENARIO=$PWD/build/test/keyboard_scenario \
    tests/wine.sh build/windows build/windows/screenshots
