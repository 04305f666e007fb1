#!/usr/bin/env bash
# Runs a command on an X screen of its own (tools/lib/xvfb-screen.sh) with the given
# keyboard layout and the openbox window manager, so that no other program on the machine,
# no other test included, sees the layout change or the window manager. Both end
# with the command. Usage: tools/with-private-screen.sh LAYOUT COMMAND...
set -euo pipefail
if [ "${DOTSUNDER_ON_PRIVATE_SCREEN:-}" != "1" ]; then
  # shellcheck source=tools/lib/xvfb-screen.sh
  source "$(dirname "$0")/lib/xvfb-screen.sh"
  export DOTSUNDER_ON_PRIVATE_SCREEN=1
  exec_on_new_xvfb_screen "$0" "$@"
fi

layout=$1
shift
setxkbmap -layout "$layout"
openbox --sm-disable &
window_manager=$!
trap 'kill "$window_manager" 2>/dev/null || true' EXIT
# An EWMH window manager announces itself on the root window once it manages windows.
for _ in $(seq 400); do
  if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    break
  fi
  sleep 0.05
done
"$@"
