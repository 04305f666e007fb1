#!/usr/bin/env bash
# Fails when a Windows module imports a DLL that is neither SDL2.dll nor part of
# Windows itself (Wine's set of system DLLs stands in for Windows'): the zip
# holds nothing else, so such a program would not start on a player's machine.
# Usage: tools/check-windows-imports.sh MODULE...
set -euo pipefail
system_dlls=/usr/lib/x86_64-linux-gnu/wine/x86_64-windows
[ -d "$system_dlls" ] || {
  echo "error: no Wine system DLLs in $system_dlls to compare with" >&2
  exit 1
}
status=0
for module in "$@"; do
  imports=$(x86_64-w64-mingw32-objdump -p "$module" | sed -n 's/^[[:space:]]*DLL Name: //p')
  [ -n "$imports" ] || {
    echo "error: $module shows no imports; is it a Windows module?" >&2
    status=1
  }
  for dll in $imports; do
    if [ "$dll" != SDL2.dll ] && [ ! -e "$system_dlls/${dll,,}" ]; then
      echo "error: $module needs $dll, which is neither SDL2.dll nor part of Windows" >&2
      status=1
    fi
  done
done
[ "$status" -ne 0 ] || echo "imports: only SDL2.dll and Windows' own DLLs in $*"
exit "$status"
