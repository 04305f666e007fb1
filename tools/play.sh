#!/usr/bin/env bash
# Installs what building and playing need (no test or benchmark libraries),
# builds the release game alone (the `play` preset, in build/play) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh

tools/install-dependencies.sh play
build_preset play

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "Dotsunder needs a display to open its window (DISPLAY is not set)." >&2
  exit 1
fi
exec build/play/Dotsunder
