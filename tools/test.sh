#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the debug build, then the
# build with address and undefined-behaviour sanitizers (the soak included), the
# Windows build under Wine, the web build (its tests under Node, the page in
# headless Chromium), then the determinism check across the debug, release and
# sanitizer builds and the leak check under valgrind. Pass preset names to run
# only those presets' tests (for example: tools/test.sh debug). ctest runs one
# test per core at a time.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh

tools/install-dependencies.sh

presets=("$@")
full_run=false
[ ${#presets[@]} -gt 0 ] || { presets=(debug asan windows web); full_run=true; }
jobs=$(nproc)

for preset in "${presets[@]}"; do
  echo "=== ${preset} ==="
  if [ "${preset}" = windows ]; then
    # The Linux end-to-end program plays the Windows game under Wine, from outside.
    build_preset debug EndToEndTests
    DOTSUNDER_HOST_END_TO_END_TESTS="$(pwd)/build/debug/Tests/EndToEndTests" tools/build-windows.sh
    tools/with-display.sh ctest --preset "${preset}" -j "${jobs}"
  elif [ "${preset}" = web ]; then
    tools/build-web.sh --tests
    ctest --preset web -j "${jobs}"
    # The page in headless Chromium, its canvas held to the desktop test's picture
    # by a program of the Linux build.
    build_preset debug ExamineCanvas
    # Debian's Python, which python3-selenium installs into, whatever else is on PATH.
    /usr/bin/python3 Tests/Web/BrowserEndToEnd.py dist/web build/debug/Tests/ExamineCanvas
  else
    build_preset "${preset}"
    tools/with-display.sh ctest --preset "${preset}" -j "${jobs}"
  fi
done

if $full_run; then
  echo "=== determinism ==="
  tools/check-determinism.sh debug release asan
  echo "=== leaks ==="
  tools/check-leaks.sh
fi
