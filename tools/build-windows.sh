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
  local stamp work source_dir
  stamp=$(debian_sdl2_stamp)
  if [ -f "$SDL2_PREFIX/built-from" ] && [ "$(cat "$SDL2_PREFIX/built-from")" = "$stamp" ]; then
    echo "SDL2 for Windows: $stamp, already built in $SDL2_PREFIX"
    return
  fi

  echo "SDL2 for Windows: cross-building $stamp (a few minutes)"
  mkdir -p build
  work=$(mktemp -d "$repository/build/sdl2-source.XXXXXX")
  trap 'rm -rf "$work"; trap - RETURN' RETURN
  source_dir=$(fetch_debian_sdl2_source "$work")

  rm -rf "$SDL2_PREFIX"
  cmake -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$repository/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$repository/$SDL2_PREFIX" \
    -DSDL_SHARED=ON -DSDL_STATIC=OFF -DSDL_TEST=OFF -DSDL_TESTS=OFF >"$work/configure.log" ||
    {
      cat "$work/configure.log" >&2
      exit 1
    }
  cmake --build "$work/build" -j2 >"$work/build.log" || {
    tail -n 50 "$work/build.log" >&2
    exit 1
  }
  cmake --install "$work/build" >/dev/null
  echo "$stamp" >"$SDL2_PREFIX/built-from"
}

# Configures and builds the `windows` preset: engine, game, test programs and the zip.
build_project() {
  local configure_options=()
  # tools/test.sh names the Linux end-to-end program that plays the Windows game under Wine.
  if [ -n "${DOTSUNDER_HOST_END_TO_END_TESTS:-}" ]; then
    configure_options+=("-DDOTSUNDER_HOST_END_TO_END_TESTS=$DOTSUNDER_HOST_END_TO_END_TESTS")
  fi
  cmake --preset windows "${configure_options[@]}" >/dev/null
  cmake --build --preset windows -j2
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
