#!/usr/bin/env bash
# Builds Zomar (Release) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh
tools/ensure-packages.sh "${build_packages[@]}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DZOMAR_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/zomar "$@"
