#!/usr/bin/env bash
# Builds Dotsunder for 64-bit Windows on Debian 12 and writes
# dist/Dotsunder-windows-x64.zip (the game, SDL2.dll and how to play).
#
# Installs what is missing (the mingw-w64 cross compiler, Wine), cross-builds SDL2
# from Debian's own source package of the version the Linux build uses, then the
# engine, the game and the Windows test programs (the `windows` CMake preset).
# The built SDL2 is kept in build/sdl2-windows, so a second run skips it.
set -euo pipefail
cd "$(dirname "$0")/.."
repository=$(pwd)
# shellcheck source=tools/lib/debian-sdl2-source.sh
source tools/lib/debian-sdl2-source.sh

SDL2_PREFIX=build/sdl2-windows
ZIP_PATH=dist/Dotsunder-windows-x64.zip

build_sdl2() {
  build_debian_sdl2 Windows "$SDL2_PREFIX" cmake \
    -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DSDL_SHARED=ON -DSDL_STATIC=OFF
}

# Configures and builds the `windows` preset: engine, game, test programs and the zip.
build_project() {
  local configure_options=()
  # tools/test.sh names the Linux end-to-end program that plays the Windows game under Wine.
  if [ -n "${DOTSUNDER_HOST_END_TO_END_TESTS:-}" ]; then
    configure_options+=("-DDOTSUNDER_HOST_END_TO_END_TESTS=$DOTSUNDER_HOST_END_TO_END_TESTS")
  fi
  cmake --preset windows "${configure_options[@]}" >/dev/null
  cmake --build --preset windows -j "$(nproc)"
}

# The build packs the zip (target DotsunderZip); it is handed out from dist/.
copy_zip() {
  tools/check-windows-imports.sh build/windows/bin/Dotsunder.exe build/windows/bin/SDL2.dll
  mkdir -p "$(dirname "$ZIP_PATH")"
  cp build/windows/Dotsunder-windows-x64.zip "$ZIP_PATH"
  echo "wrote $ZIP_PATH"
}

tools/install-dependencies.sh windows
build_sdl2
build_project
copy_zip
