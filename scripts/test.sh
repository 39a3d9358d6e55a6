#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#   scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/setup.sh "$@"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
