#!/usr/bin/env bash
# Builds what it needs as test.sh does, then plays the whole course as a new
# learner on private X displays of 1024 x 768 and 800 x 600 (Xvfb with
# openbox) and takes the screen as each window comes up, for a person to look
# at: build/shots/1024x768/ and build/shots/800x600/, one PNG per window,
# numbered in the order the learner meets them.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages
build_all

source scripts/display.sh
trap end_started_processes EXIT

status=0
for size in 1024x768 800x600; do
    rm -rf "build/shots/$size"
    start_display "$size"
    echo "Taking the windows at $size ..."
    QT_QPA_PLATFORM=xcb build/bench/shots/course_shots "build/shots/$size" >/dev/null || status=1
    end_started_processes
    started_processes=()
done
[ $status -eq 0 ] && echo "The windows are in build/shots/."
exit $status
