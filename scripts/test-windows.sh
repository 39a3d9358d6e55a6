#!/usr/bin/env bash
# Sets up, builds and tests the 32-bit Windows build under Wine (as root on
# Debian 12): the cross compiler, Wine and its 32-bit part, then the build in
# its own folder and its tests, each test program run through Wine on the
# build folder's own prefix (scripts/wine-run.sh).
#   scripts/test-windows.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-win32}
shift || true

# Wine's 32-bit half comes from the i386 architecture; install-packages.sh
# updates the package lists when anything is missing, which it then is.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
scripts/install-packages.sh cmake make googletest g++-mingw-w64-i686-posix wine wine32:i386

cmake -S . -B "$build" --toolchain cmake/mingw-i686.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"

# The prefix is made before CTest lists the tests, and its server stopped
# afterwards, so that nothing of this run stays behind.
prefix=$(cd "$build" && pwd)/wine-prefix
trap 'WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true' EXIT
scripts/wine-run.sh "$prefix" cmd /c exit
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
