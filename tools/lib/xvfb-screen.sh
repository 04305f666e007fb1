#!/usr/bin/env bash
# Shared by the scripts that need an X screen of their own: the one screen every
# headless run uses, a private Xvfb of 1920x1080 that lives as long as the
# command. Source this file, then call:
#
#   exec_on_new_xvfb_screen <command>...   # replaces the shell
#
# -noreset: by default the server resets whenever its last client leaves, and a
# client that connects during the reset finds no display.

exec_on_new_xvfb_screen() {
  exec xvfb-run --auto-servernum --server-args="-screen 0 1920x1080x24 -nolisten tcp -noreset" "$@"
}
