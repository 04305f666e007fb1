#!/usr/bin/env bash
# The README's pictures, from real runs of the release build on a private Xvfb
# screen:
#   tools/screenshot.sh play [OUT]  plays a few keys in the game and saves its
#                                   window (default docs/screenshot.png);
#   tools/screenshot.sh end [OUT]   replays the recorded full play-through with
#                                   DotsunderReplay and saves the end screen it
#                                   shows (default docs/screenshot-end.png).
# Without arguments it makes both.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh
# shellcheck source=tools/lib/xvfb-screen.sh
source tools/lib/xvfb-screen.sh

if [ $# -eq 0 ]; then
  "$0" play
  exec "$0" end
fi
picture=$1
case "$picture" in
  play) output=${2:-docs/screenshot.png} ;;
  end) output=${2:-docs/screenshot-end.png} ;;
  *) echo "usage: tools/screenshot.sh [play|end] [OUT]" >&2; exit 2 ;;
esac

if [ "${DOTSUNDER_SCREENSHOT_SESSION:-}" != "1" ]; then
  tools/install-dependencies.sh
  build_preset release Dotsunder DotsunderReplay
  export DOTSUNDER_SCREENSHOT_SESSION=1
  exec_on_new_xvfb_screen "$0" "$picture" "$output"
fi

if [ "$picture" = end ]; then
  ENGINE_NO_DIALOGS=1 build/release/DotsunderReplay --every 1000000 --show 30 \
    Tests/Game/Scripts/play-through.txt > /dev/null &
else
  ENGINE_NO_DIALOGS=1 build/release/Dotsunder &
fi
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

window=$(timeout 30 xdotool search --sync --name '^Dotsunder$' | head -n 1)
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"
sleep 1

hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; sleep 0.15; }
tap() { hold "$1" 0.1; }

if [ "$picture" = play ]; then
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
fi

mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "saved $output"
