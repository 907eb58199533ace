#!/usr/bin/env bash
# Builds Zomar and runs the whole test suite: once plain, once under
# AddressSanitizer and UndefinedBehaviorSanitizer. Exits non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${build_packages[@]}" "${test_packages[@]}"

jobs=$(nproc)

suite() {
    local dir=$1
    shift
    echo "== $dir"
    cmake -S . -B "$dir" -DBUILD_TESTING=ON "$@" >/dev/null
    cmake --build "$dir" -j"$jobs"
    ctest --test-dir "$dir" --output-on-failure -j"$jobs"
}

suite build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The sanitized run takes one long random walk of 100000 steps.
ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:abort_on_error=1 \
LSAN_OPTIONS=suppressions=$PWD/tests/lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
ZOMAR_WALK=1 ZOMAR_WALK_STEPS=100000 QTEST_FUNCTION_TIMEOUT=1800000 \
    suite build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZOMAR_SANITIZE=address,undefined -DZOMAR_BENCHMARKS=OFF

# The Windows program: cross-built with MinGW-w64 against Qt built once from
# Debian's source (cached outside the tree), then proven under Wine.
echo "== build/windows"
packaging/windows/build.sh build/windows
tests/wine.sh build/windows build/windows/screenshots
