#!/usr/bin/env bash
# Builds the program and its program folder in build/, as test.sh does, and
# starts it. On a fresh Debian 12 machine it first installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"

source scripts/packages.sh
ensure_packages

build_all

exec build/program/ostrana "$@"
