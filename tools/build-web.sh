#!/usr/bin/env bash
# Builds Dotsunder for the browser on Debian 12 and writes dist/web/ (the page,
# the script and the WebAssembly module).
#
# Installs what is missing (Debian's emscripten and its Node modules), builds
# SDL2 for the web from Debian's own source package of the version the Linux
# build uses, then the engine and the game with emscripten's legacy-GL emulation
# (the `web` CMake preset). The built SDL2 is kept in build/sdl2-web, so a second
# run skips it. Pass --tests to build the Node test programs as well.
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=tools/lib/debian-sdl2-source.sh
source tools/lib/debian-sdl2-source.sh
# shellcheck source=tools/lib/cmake-preset.sh
source tools/lib/cmake-preset.sh

SDL2_PREFIX=build/sdl2-web
DIST_DIR=dist/web

# Debian's emscripten runs its JavaScript parts with Node and finds their modules
# (acorn and friends) in Debian's shared Node module folder.
export NODE_PATH="/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}"
# Its Python parts run on Debian's Python, whatever other python3 comes first on PATH.
export EMSDK_PYTHON=/usr/bin/python3

build_sdl2() {
  build_debian_sdl2 "the web" "$SDL2_PREFIX" emcmake cmake \
    -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_PTHREADS=OFF -DSDL_THREADS=OFF
}

# The `web` preset: the engine and the game, and with --tests the Node test programs.
build_project() {
  if [ "$build_tests" = yes ]; then
    build_preset web
  else
    build_preset web Dotsunder
  fi
}

# The page, the script and the module, under the names a web server serves by default.
write_dist() {
  rm -rf "$DIST_DIR"
  mkdir -p "$DIST_DIR"
  cp build/web/Dotsunder.html "$DIST_DIR/index.html"
  cp build/web/Dotsunder.js build/web/Dotsunder.wasm "$DIST_DIR/"
  echo "wrote $DIST_DIR: $(du -sh "$DIST_DIR" | cut -f1), $(cat "$DIST_DIR"/* | gzip -9 | wc -c) bytes compressed"
}

build_tests=no
for argument in "$@"; do
  case "$argument" in
    --tests) build_tests=yes ;;
    *)
      echo "usage: tools/build-web.sh [--tests]" >&2
      exit 2
      ;;
  esac
done

tools/install-dependencies.sh web
build_sdl2
build_project
write_dist
