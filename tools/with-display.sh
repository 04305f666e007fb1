#!/usr/bin/env bash
# Runs a command with an X display: the caller's own when there is one,
# otherwise a private Xvfb screen of 1920x1080 that lives as long as the command.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
# shellcheck source=tools/lib/xvfb-screen.sh
source "$(dirname "$0")/lib/xvfb-screen.sh"
exec_on_new_xvfb_screen "$@"
