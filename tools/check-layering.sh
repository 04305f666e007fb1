#!/usr/bin/env bash
# Keeps the platform behind its thin layer: SDL only in the platform code, GL only
# in the renderer, no game header inside the engine. Prints offenders and fails.
set -uo pipefail
cd "$(dirname "$0")/.."

status=0
offend() {
  echo "$1"
  printf '%s\n' "$2" | sed 's/^/    /'
  status=1
}

sdl_outside=$(grep -rlE '#include\s*[<"]SDL' Engine Game --include='*.hpp' --include='*.cpp' |
  grep -vE '^Engine/(Platform|Input)/[^/]+\.cpp$' || true)
[ -z "$sdl_outside" ] || offend "SDL is included outside the platform .cpp files:" "$sdl_outside"

gl_outside=$(grep -rlE '#include\s*[<"](GL/|OpenGL/)' Engine Game --include='*.hpp' --include='*.cpp' |
  grep -vE '^Engine/Renderer/[^/]+\.cpp$' || true)
[ -z "$gl_outside" ] || offend "GL is included outside the renderer's .cpp files:" "$gl_outside"

game_in_engine=$(grep -rlE '#include\s*"Game/' Engine || true)
[ -z "$game_in_engine" ] || offend "the engine includes game headers:" "$game_in_engine"

if [ "$status" -eq 0 ]; then
  echo "layering: SDL only in platform code, GL only in the renderer, the engine free of the game"
fi
exit "$status"
