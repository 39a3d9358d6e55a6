#!/usr/bin/env bash
# Runs a Windows program under Wine on a private 32-bit prefix, as CTest does
# with every test program of the Windows build (its cross-compiling emulator).
#   scripts/wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use, with Wine's null display driver so that no
# X server is needed; with Q9X_WINE_DISPLAY set, the program runs on that X
# display instead (Wine's X11 driver, for pictures), and the prefix is set
# back to the null driver afterwards. One wineserver per prefix stays up between programs
# (each program then starts in a fraction of a second instead of one); it is
# started here, detached from everything the caller holds open: a server that
# inherits a test's output pipe keeps CTest waiting for it, and one that
# inherits the lock below blocks every later program. Wine's own service
# processes, which a program may start and which outlive it, would hold that
# pipe as well: the program writes to a file, shown when it has ended.
set -euo pipefail
export WINEPREFIX=$1
shift
export WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts when the prefix is made.
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
graphics=null
if [ -n "${Q9X_WINE_DISPLAY:-}" ]; then
  export DISPLAY=$Q9X_WINE_DISPLAY
  graphics=x11
fi
set_graphics() {
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$1" /f </dev/null >/dev/null 2>&1
}

start_server() {
  (
    for fd in /proc/self/fd/*; do
      n=${fd##*/}
      if [ "$n" -gt 2 ]; then eval "exec $n>&-" 2>/dev/null || true; fi
    done
    exec setsid wineserver -p60
  ) </dev/null >/dev/null 2>&1 || true
}

if [ ! -e "$WINEPREFIX/.q9x-ready" ]; then
  mkdir -p "$WINEPREFIX"
  (
    flock 9
    if [ ! -e "$WINEPREFIX/.q9x-ready" ]; then
      start_server
      wineboot --init </dev/null >/dev/null 2>&1
      set_graphics null
      # The desktop that wineboot started still has the driver it found
      # then; the next server and desktop start with the null driver.
      wineserver -k </dev/null >/dev/null 2>&1 || true
      wineserver -w </dev/null >/dev/null 2>&1 || true
      touch "$WINEPREFIX/.q9x-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
start_server
output=$(mktemp)
trap 'rm -f "$output"' EXIT
if [ "$graphics" = x11 ]; then
  set_graphics x11
  trap 'rm -f "$output"; set_graphics null' EXIT
fi
status=0
wine "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
