#!/usr/bin/env bash
# Builds the libFuzzer targets with clang under AddressSanitizer and
# UndefinedBehaviorSanitizer and runs every registered one for a bounded time
# on its corpus. Fails on any finding; the input that found it is kept in
# <build>/findings/.
#   scripts/fuzz.sh [SECONDS_PER_TARGET (60)] [extra cmake options...]
# Q9X_FUZZ_BUILD names the build folder (build-fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${Q9X_FUZZ_BUILD:-build-fuzz}

packages=(cmake g++ make pkg-config qt6-base-dev libqt6sql6-sqlite
          libsqlite3-dev fonts-dejavu-core)
packages+=(clang libclang-rt-14-dev)
# libpq's header: the log reading compiles against it.
packages+=(libpq-dev)
scripts/install-packages.sh "${packages[@]}"

# Qt is built with g++: clang links against the same libstdc++.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DQ9X_FUZZ=ON -DQ9X_SANITIZE=ON -DQ9X_BUILD_TESTS=OFF -DQ9X_BUILD_BENCH=OFF "$@" >/dev/null
mapfile -t fuzzers < "$build/fuzzers.txt"
if [ ${#fuzzers[@]} -eq 0 ]; then
  echo "fuzz.sh: no fuzz target is registered" >&2
  exit 1
fi
names=()
for line in "${fuzzers[@]}"; do names+=("${line%% *}"); done
cmake --build "$build" -j"$(nproc)" --target "${names[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/.ci/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
mkdir -p "$build/findings"
failed=()
for line in "${fuzzers[@]}"; do
  read -r name program seeds <<<"$line"
  # New inputs go to a corpus of this build; the committed seeds stay as they are.
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  echo "fuzz.sh: $name for ${seconds}s"
  if ! "$program" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -print_final_stats=1 \
         -artifact_prefix="$build/findings/$name-" "$corpus" "$seeds" > "$build/$name.log" 2>&1; then
    tail -n 60 "$build/$name.log" >&2
    failed+=("$name")
  else
    grep -E '^(#[0-9]+.*DONE|stat::number_of_executed_units|Done [0-9]+ runs)' "$build/$name.log" || true
  fi
done
passed=$(( ${#fuzzers[@]} - ${#failed[@]} ))
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz.sh: findings in ${failed[*]} (inputs in $build/findings/)" >&2
  echo "fuzz: $passed passed, ${#failed[@]} failed"
  exit 1
fi
echo "fuzz.sh: every target ran ${seconds}s without a finding"
echo "fuzz: $passed passed, 0 failed"
