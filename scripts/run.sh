#!/usr/bin/env bash
# Installs what is missing, builds, and runs Reeldeck on the bundled demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j "$jobs"
exec build/bin/reeldeck-cli info build/bin/demo/demo.rdk "$@"
