#!/usr/bin/env bash
# Installs what is missing, builds the release game and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

tools/install-dependencies.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Dotsunder

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Dotsunder needs a display to open its window (DISPLAY is not set)." >&2
  exit 1
fi
exec build/release/Dotsunder
