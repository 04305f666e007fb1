#!/usr/bin/env bash
# Runs a Windows program under Wine, quietly and without questions: the Wine
# prefix lives in build/wine-prefix (made on first use), no debug channels are
# printed, and Wine neither offers to install Mono nor Gecko.
set -euo pipefail
repository=$(cd "$(dirname "$0")/.." && pwd)

export WINEPREFIX=${WINEPREFIX:-$repository/build/wine-prefix}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# Test programs start in parallel; the first one makes the prefix, the others wait.
if [ ! -f "$WINEPREFIX/.made" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.made" ]; then
      wineboot --init >"$WINEPREFIX.log" 2>&1 && wineserver --wait || {
        cat "$WINEPREFIX.log" >&2
        exit 1
      }
      touch "$WINEPREFIX/.made"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
exec wine "$@"
