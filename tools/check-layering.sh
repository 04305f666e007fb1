#!/usr/bin/env bash
# Keeps each library in its layer, by what the sources include; run by ctest.
# Prints the offenders and fails when:
# - SDL is included outside the platform's .cpp files: Engine/Platform/*.cpp and
#   Engine/Input/ControllerBackend.cpp, the platform half of the input system;
# - GL is included outside the renderer's .cpp files (Engine/Renderer/*.cpp);
# - the engine includes a game header;
# - SDL is included as <SDL2/...> anywhere: one spelling, <SDL.h>, everywhere.
# The build backs the first two: SDL2 and GL are private to the Engine library.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1

SDL_ALLOWED='^Engine/Platform/[^/]+\.cpp$|^Engine/Input/ControllerBackend\.cpp$'
GL_ALLOWED='^Engine/Renderer/[^/]+\.cpp$'

status=0
offend() {
  echo "$1"
  printf '%s\n' "$2" | sed 's/^/    /'
  status=1
}
# The sources below the given folders whose includes match the pattern.
including() {
  local pattern=$1
  shift
  grep -rlE "#include\s*[<\"]($pattern)" "$@" --include='*.hpp' --include='*.cpp' || true
}

sdl_outside=$(including 'SDL' Engine Game | grep -vE "$SDL_ALLOWED")
[ -z "$sdl_outside" ] || offend "SDL is included outside the platform's .cpp files:" "$sdl_outside"

gl_outside=$(including 'GL/|OpenGL/' Engine Game | grep -vE "$GL_ALLOWED")
[ -z "$gl_outside" ] || offend "GL is included outside the renderer's .cpp files:" "$gl_outside"

game_in_engine=$(including 'Game/' Engine)
[ -z "$game_in_engine" ] || offend "the engine includes game headers:" "$game_in_engine"

sdl2_spelling=$(including 'SDL2/' Engine Game Tests Benchmarks tools)
[ -z "$sdl2_spelling" ] || offend "SDL is included as <SDL2/...> (include <SDL.h>, <SDL_opengl.h>...):" "$sdl2_spelling"

if [ "$status" -eq 0 ]; then
  echo "layering: SDL only in the platform code, GL only in the renderer, the engine free of the game"
fi
exit "$status"
