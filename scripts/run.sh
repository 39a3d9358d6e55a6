#!/usr/bin/env bash
# Sets up, builds and runs the plug-in: a smoke load of the built library.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
nm -D --defined-only build/libq9xcup.so | awk '$2 == "T" {print "exports", $3}'
