#!/usr/bin/env bash
# Builds the program and its benchmarks in build/ (installing what the build
# needs, as test.sh does), runs every benchmark under bench/ and prints one
# table of their headline figures against the course's goals. Exits non-zero
# when a goal is missed. The start-up is timed on the X11 display of DISPLAY,
# or on a private Xvfb with openbox when there is none.
#
# ./bench.sh [BENCH...] runs only the benchmarks named (startup lesson
# spelling pauses maths coursegen db memory folder); each leaves its JSON
# results and its output in build/bench-results/.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages
build_all

benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=(startup lesson spelling pauses maths coursegen db memory folder)

results=build/bench-results
mkdir -p "$results"

source scripts/display.sh
trap end_started_processes EXIT
if [ -z "${DISPLAY:-}" ]; then start_display 1024x768; fi

for bench in "${benches[@]}"; do
    echo "Running ${bench}_bench ..."
    rm -f "$results/$bench.json"
    QT_QPA_PLATFORM=offscreen "build/bench/$bench/${bench}_bench" \
        --benchmark_out="$results/$bench.json" --benchmark_out_format=json \
        >"$results/$bench.txt" 2>&1 || echo "  ${bench}_bench failed: see $results/$bench.txt"
done

echo
build/bench/support/bench_table "$results"
