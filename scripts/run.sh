#!/usr/bin/env bash
# Sets up and builds the plug-in and the reference host q9x-host (the tests
# and the benchmark are built by scripts/test.sh), then scores the sample log
# with q9x-host; with a display it also opens the host's entry window beside
# the plug-in's windows, on the same log.
set -euo pipefail
cd "$(dirname "$0")/.."
Q9X_BUILD_TARGETS="q9xcup q9x-host" scripts/setup.sh build

log=build/sample-log.sqlite
rm -f "$log"
build/bin/q9x-host --log "$log" --import examples/sample-log.csv --my-prefix UA3A --report

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  build/bin/q9x-host --log "$log" --my-prefix UA3A --caption "Sample log"
fi
