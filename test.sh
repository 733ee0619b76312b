#!/usr/bin/env bash
# Builds the program and its program folder in build/ and runs every test.
# On a fresh Debian 12 machine it first installs what the build needs.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" "$@"
