#!/usr/bin/env bash
# Runs a command with an X display: the caller's own when there is one,
# otherwise a private Xvfb screen of 1920x1080 that lives as long as the command.
# -noreset: by default the server resets whenever its last client leaves, and a
# test that connects during the reset finds no display.
set -euo pipefail
if [ -n "${DISPLAY:-}" ]; then
  exec "$@"
fi
exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp -noreset" "$@"
