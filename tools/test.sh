#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the debug build, then the
# build with address and undefined-behaviour sanitizers. Pass preset names to
# run only those (for example: tools/test.sh debug).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh

presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(debug asan)

for preset in "${presets[@]}"; do
  echo "=== ${preset} ==="
  cmake --preset "${preset}" >/dev/null
  cmake --build --preset "${preset}"
  tools/with-display.sh ctest --preset "${preset}"
done
