#!/usr/bin/env bash
# Builds the program and its program folder in build/ and runs every test.
# On a fresh Debian 12 machine it first installs what the build needs.
#
# ./test.sh --sanitize builds in build-sanitize/ with AddressSanitizer and
# UndefinedBehaviorSanitizer instead; a memory fault or undefined behaviour
# in our code then fails the test (or the build step) that meets it.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages

build_dir=build
if [ "${1:-}" = "--sanitize" ]; then
    shift
    build_dir=build-sanitize
    source scripts/sanitize.sh
    build_all "$build_dir" -DOSTRANA_SANITIZE=ON
else
    build_all
fi

export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build_dir" --output-on-failure --parallel "$(nproc)" "$@"
