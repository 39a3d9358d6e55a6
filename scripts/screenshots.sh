#!/usr/bin/env bash
# Regenerates the window pictures in docs/: the reference host loads the built
# plug-in over the sample log and saves both of its windows, with their frames,
# from a private X server with the openbox window manager (offscreen, without
# frames, where none can be started).
#   scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build}")

[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target q9x-host q9xcup -j"$(nproc)" >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A settings folder of its own, so stored window placements neither move the
# pictures nor touch the user's settings.
# A screen wide enough for the windows' designed places.
export XDG_CONFIG_HOME="$work/config" Q9X_DESKTOP_SCREEN=1440x900
tests/desktop/on-desktop.sh "$build/bin/q9x-host" --log "$work/log.sqlite" \
  --import examples/sample-log.csv --my-prefix UA3A --screenshot "$work/shots" >/dev/null

mkdir -p docs
cp "$work/shots/fmMainForm.png" docs/statistics-window.png
cp "$work/shots/fmDomList.png" docs/area-window.png
echo "docs/statistics-window.png docs/area-window.png"
