#!/usr/bin/env bash
# Installs what the project needs on Debian 12 (as root) and builds it.
#   scripts/setup.sh [BUILD_DIR] [extra cmake options...]
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql
          libgtest-dev libgmock-dev libsqlite3-dev sqlite3
          postgresql fonts-dejavu-core binutils ccache)
# A private X server and window manager for the desktop tests, and a way to
# press the window manager's keys there.
packages+=(xvfb openbox xdotool)
# libpq's header for reading a PostgreSQL log natively; the benchmark links libpq.
packages+=(libpq-dev)
scripts/install-packages.sh "${packages[@]}"

build=${1:-build}
shift || true
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
# Q9X_BUILD_TARGETS names the targets to build (default: all of them).
cmake --build "$build" -j"$(nproc)" ${Q9X_BUILD_TARGETS:+--target $Q9X_BUILD_TARGETS}
