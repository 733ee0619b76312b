#!/usr/bin/env bash
# Builds the program and its program folder in build/ and runs every test.
# On a fresh Debian 12 machine it first installs what the build needs.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages

build_all

export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" "$@"
