#!/usr/bin/env bash
# Builds the program and its benchmarks in build/ (installing what the build
# needs, as test.sh does), runs every benchmark under bench/ and prints one
# table of their headline figures against the course's goals. Exits non-zero
# when a goal is missed. The start-up is timed on the X11 display of DISPLAY,
# or on a private Xvfb with openbox when there is none.
#
# ./bench.sh [BENCH...] runs only the benchmarks named (startup lesson
# spelling maths coursegen db memory); each leaves its JSON results and its
# output in build/bench-results/.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages
build_all

benches=("$@")
[ ${#benches[@]} -eq 0 ] && benches=(startup lesson spelling maths coursegen db memory)

results=build/bench-results
mkdir -p "$results"

started=()
end_started() {
    local pid
    for pid in "${started[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
}
trap end_started EXIT

if [ -z "${DISPLAY:-}" ]; then
    # Xvfb picks a free display and writes its number.
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    started+=($!)
    read -r -t 10 -u "$displayfd" number
    export DISPLAY=":$number"
    openbox >/dev/null 2>&1 &
    started+=($!)
    sleep 1
fi

for bench in "${benches[@]}"; do
    echo "Running ${bench}_bench ..."
    rm -f "$results/$bench.json"
    QT_QPA_PLATFORM=offscreen "build/bench/$bench/${bench}_bench" \
        --benchmark_out="$results/$bench.json" --benchmark_out_format=json \
        >"$results/$bench.txt" 2>&1 || echo "  ${bench}_bench failed: see $results/$bench.txt"
done

echo
build/bench/support/bench_table "$results"
