#!/usr/bin/env bash
# Regenerates the pictures of the Windows DLL's windows in docs/: a small host
# program loads the DLL under Wine over the first contacts of the sample log
# and shows each window in turn on a Wine desktop (drawn with Wine's own
# window frames) on a private X server, where ImageMagick's import takes it.
# The build folder's own Wine prefix is used, with Wine's X11 driver for this
# run only (scripts/wine-run.sh).
#   scripts/screenshots-windows.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${1:-build-win32}")
contacts=48
screen=1440x900

scripts/install-packages.sh imagemagick xvfb
[ -f "$build/CMakeCache.txt" ] ||
  cmake -S . -B "$build" --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target window_pictures -j"$(nproc)" >/dev/null

work=$(mktemp -d)
prefix=$build/wine-prefix
xvfb=
host=
lent=()
stop() {
  [ -n "$host" ] && kill "$host" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  [ ${#lent[@]} -eq 0 ] || rm -f "${lent[@]}"
  wait 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT

# Waits up to a minute for a file to appear.
await() {
  for _ in $(seq 600); do
    [ -e "$1" ] && return 0
    sleep 0.1
  done
  echo "screenshots-windows: $1 did not appear" >&2
  return 1
}

# -displayfd picks a free display number and writes it once the server is up.
Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
await "$work/display"
while [ ! -s "$work/display" ]; do sleep 0.1; done
display=":$(head -n1 "$work/display")"

# The prefix is made (or its server started) before the picture run, which
# then only switches the display driver.
scripts/wine-run.sh "$prefix" cmd /c exit >/dev/null
# Wine's own fonts (MS Sans Serif, Courier, Marlett for the title-bar buttons)
# are not found in its data folder by Debian's wine32, which then draws every
# window with substitutes; they are lent to the prefix's Fonts folder for this
# run, as a Windows system has them.
fonts=$prefix/drive_c/windows/Fonts
lent=()
for font in /usr/share/wine/fonts/*; do
  [ -e "$fonts/${font##*/}" ] && continue
  ln -s "$font" "$fonts/${font##*/}"
  lent+=("$fonts/${font##*/}")
done
# A Wine desktop of the screen's size at the X screen's corner, so that the
# window rectangles the program reports are places on the X screen.
Q9X_WINE_DISPLAY=$display scripts/wine-run.sh "$prefix" explorer "/desktop=q9x,$screen" \
  "$build/bin/window_pictures.exe" "Z:$work" "Z:$PWD/examples/sample-log.csv" "$contacts" >"$work/host.log" 2>&1 &
host=$!

mkdir -p docs
for pair in statistics:statistics-window-win32 area:area-window-win32; do
  window=${pair%%:*}
  await "$work/$window.rect" || { cat "$work/host.log" >&2; exit 1; }
  read -r width height left top <"$work/$window.rect"
  DISPLAY=$display import -silent -window root -crop "${width}x${height}+${left}+${top}" +repage \
    "png:docs/${pair#*:}.png"
  touch "$work/$window.taken"
done
wait "$host" || { cat "$work/host.log" >&2; exit 1; }
host=
echo "docs/statistics-window-win32.png docs/area-window-win32.png"
