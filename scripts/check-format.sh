#!/usr/bin/env bash
# Fails, naming the files, when a C++ file in the repository is not as the
# project's .clang-format would write it.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
ensure_packages
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
