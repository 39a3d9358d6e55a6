#!/usr/bin/env bash
# Runs a Windows program under Wine on a private 32-bit prefix, as CTest does
# with every test program of the Windows build (its cross-compiling emulator).
#   scripts/wine-run.sh PREFIX PROGRAM [ARGS...]
# The prefix is made on first use, with Wine's null display driver so that no
# X server is needed. One wineserver per prefix stays up between programs
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
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f </dev/null >/dev/null 2>&1
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
status=0
wine "$@" </dev/null >"$output" 2>&1 || status=$?
cat "$output"
exit "$status"
