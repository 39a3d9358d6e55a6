#!/usr/bin/env bash
# Runs a program on a private X display (Xvfb, 1280 x 900 unless
# Q9X_DESKTOP_SCREEN says otherwise) with the
# openbox window manager, both started here on a free display number and
# stopped when the program ends. Where no X server can be started, the program
# runs offscreen on a screen of the same size, and says so.
#   on-desktop.sh PROGRAM [ARGS...]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
xvfb=
wm=
stop() {
  [ -n "$wm" ] && kill "$wm" 2>/dev/null
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap stop EXIT

# Waits up to five seconds for a file to be written.
await() {
  for _ in $(seq 50); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

offscreen() {
  echo "on-desktop: $1; the desktop tests run offscreen"
  shift
  QT_QPA_PLATFORM="offscreen:configfile=$here/offscreen-screen.json" timeout 120 "$@"
}

if ! command -v Xvfb >/dev/null || ! command -v openbox >/dev/null; then
  offscreen "Xvfb or openbox is not installed" "$@"
  exit
fi

# -displayfd picks a free display number and writes it once the server is up.
Xvfb -displayfd 3 -screen 0 "${Q9X_DESKTOP_SCREEN:-1280x900}x24" -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb=$!
if ! await "$work/display"; then
  cat "$work/xvfb.log" >&2
  offscreen "no X server could be started" "$@"
  exit
fi
export DISPLAY=":$(head -n1 "$work/display")"
openbox --startup "touch $work/wm-ready" >"$work/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 50); do
  [ -e "$work/wm-ready" ] && break
  sleep 0.1
done
if [ ! -e "$work/wm-ready" ]; then
  cat "$work/openbox.log" >&2
  offscreen "the window manager did not start" "$@"
  exit
fi

# In a fresh X server the first key sent through the XTEST extension now and
# then passed by openbox's key bindings (a test's close key went unseen, about
# one session in fifteen); a harmless key goes first.
if command -v xdotool >/dev/null; then
  xdotool key shift
fi

echo "on-desktop: X display $DISPLAY with openbox"
QT_QPA_PLATFORM=xcb timeout 120 "$@"
