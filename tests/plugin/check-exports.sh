#!/usr/bin/env bash
# Lists every symbol the library defines for the dynamic linker and compares
# them with the six the host calls.
set -euo pipefail
want="_AddQSO _GetInfo _GetScore _GrabNumber _Release _Run"
got=$(nm -D --defined-only "$1" | awk '{print $3}' | sort | tr '\n' ' ' | sed 's/ $//')
if [ "$got" != "$want" ]; then
  echo "exported: $got"
  echo "expected: $want"
  exit 1
fi
echo "exports: $got"
