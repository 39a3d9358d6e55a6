#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite.
#   scripts/test.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
scripts/setup.sh "$@"
export QT_QPA_PLATFORM=offscreen

# A PostgreSQL cluster of its own for this run; without it the database tests
# that need the server fail under CI and skip elsewhere.
pgdir=$(mktemp -u /tmp/q9x-pg.XXXXXX)
trap 'scripts/postgres.sh stop "$pgdir"' EXIT
if pgenv=$(scripts/postgres.sh start "$pgdir"); then
  eval "$pgenv"
else
  echo "test.sh: PostgreSQL could not be started" >&2
fi

status=0
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -LE desktop || status=$?
# The tests on a desktop run on their own, one after the other: the window
# manager's answers take their time on a busy machine.
ctest --test-dir "$build" --output-on-failure -L desktop || status=$?

# The Windows build and its tests under Wine, in BUILD_DIR-win32; once, as
# sanitizers and fuzzing are the Linux build's alone.
windows=yes
windows_options=()
for option in "${@:2}"; do
  case $option in
    -DQ9X_SANITIZE=ON | -DQ9X_FUZZ=ON) windows=no ;;
    -DQ9X_WERROR=*) windows_options+=("$option") ;;
  esac
done
if [ "$windows" = yes ]; then
  scripts/test-windows.sh "$build-win32" "${windows_options[@]}" || status=$?
fi
exit "$status"
