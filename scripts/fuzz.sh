#!/usr/bin/env bash
# Builds the fuzz targets with clang (ASan, UBSan, libFuzzer) in build-fuzz/ and runs each for a
# set time, 600 seconds unless given: scripts/fuzz.sh [seconds-per-target] [target...]
# New interesting inputs stay in build-fuzz/corpus/; every crash, leak, timeout or out-of-memory
# input is copied into fuzz/crashes/<target>/, where the ordinary tests replay it from then on.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-600}
shift || true
jobs=$(( $(nproc 2>/dev/null || echo 2) ))

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DREELDECK_FUZZ=ON "${launcher[@]}" >/dev/null

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/fuzz_*.cpp; do
        name=$(basename "$source" .cpp)
        targets+=("${name#fuzz_}")
    done
fi
cmake --build build-fuzz -j "$jobs" --target "${targets[@]/#/fuzz_}"

found=0
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target
    artifacts=build-fuzz/artifacts/$target
    scratch=build-fuzz/tmp/$target  # readers that take a path get their input written here
    mkdir -p "$work" "$artifacts" "$scratch"
    echo "== $target: ${seconds}s"
    status=0
    TMPDIR=$PWD/$scratch ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        "build-fuzz/bin/fuzz_$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$artifacts/" "$work" "fuzz/corpus/$target" \
        >"build-fuzz/$target.log" 2>&1 || status=$?
    rm -rf "$scratch"
    grep -E '^(stat::number_of_executed_units|stat::new_units_added):' "build-fuzz/$target.log" || true
    shopt -s nullglob
    crashes=("$artifacts"/crash-* "$artifacts"/leak-* "$artifacts"/timeout-* "$artifacts"/oom-*)
    shopt -u nullglob
    if [ "$status" -ne 0 ] || [ ${#crashes[@]} -gt 0 ]; then
        found=1
        mkdir -p "fuzz/crashes/$target"
        for crash in "${crashes[@]}"; do mv "$crash" "fuzz/crashes/$target/"; done
        echo "!! $target failed (exit $status); see build-fuzz/$target.log and fuzz/crashes/$target/"
        grep -m3 -E 'ERROR|runtime error|SUMMARY' "build-fuzz/$target.log" || true
    fi
done
exit "$found"
