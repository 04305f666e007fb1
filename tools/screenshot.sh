#!/usr/bin/env bash
# Builds the release game, plays a few moves on a private Xvfb screen and saves a
# screenshot of its window (default docs/screenshot.png): the README's picture.
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}

if [ "${DOTSUNDER_SCREENSHOT_SESSION:-}" != "1" ]; then
  tools/install-dependencies.sh
  cmake --preset release >/dev/null
  cmake --build --preset release --target Dotsunder
  DOTSUNDER_SCREENSHOT_SESSION=1 exec xvfb-run --auto-servernum \
    --server-args="-screen 0 1920x1080x24 -nolisten tcp -noreset" "$0" "$output"
fi

ENGINE_NO_DIALOGS=1 build/release/Dotsunder &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --name '^Dotsunder$' | head -n 1)
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1

hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.15; }
tap() { hold "$1" 0.1; }

hold Up 1.25           # repeat up to the hint
tap space              # break what lies under the cursor
hold Left 0.9
tap space
sleep 3.5              # let the broken dots fall and be banked
tap t                  # buy the first T of the answer
tap z                  # a wrong guess, listed in red
tap Up                 # the line above
tap space
sleep 0.3              # catch the freshly broken dots in flight

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "saved $output"
