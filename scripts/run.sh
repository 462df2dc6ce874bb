#!/usr/bin/env bash
# Installs what is missing, builds, and runs Reeldeck on the bundled demo database.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc 2>/dev/null || echo 2)

scripts/install-deps.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DREELDECK_GUI=ON
cmake --build build -j "$jobs"
exec build/bin/reeldeck build/bin/demo/demo.rdk "$@"
