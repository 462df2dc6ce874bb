#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the whole build (warnings as errors),
# then the logic tests again built with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(( $(nproc 2>/dev/null || echo 2) + 1 ))

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREELDECK_WERROR=ON -DREELDECK_GUI=ON
cmake --build build -j "$jobs"
ctest --test-dir build --output-on-failure -j "$jobs" --timeout 600

cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DREELDECK_WERROR=ON \
      -DREELDECK_SANITIZE=ON -DREELDECK_LOGIC_ONLY=ON -DREELDECK_BENCH=OFF
cmake --build build-asan -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs" -L logic --timeout 900
