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

SDL2_PREFIX=build/sdl2-windows
ZIP_PATH=dist/Dotsunder-windows-x64.zip

# Prints the machine's own package sources as deb-src entries, in the format
# each file has: the apt lines of sources.list and *.list, the deb822 stanzas of
# *.sources. The entries go to a temporary apt directory, never into the repository.
write_source_entries() {
  local apt_dir=$1
  local list_file
  : >"$apt_dir/sources.list"
  for list_file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
    [ -f "$list_file" ] || continue
    sed -n 's/^[[:space:]]*deb[[:space:]]/deb-src /p' "$list_file" >>"$apt_dir/sources.list"
  done
  for list_file in /etc/apt/sources.list.d/*.sources; do
    [ -f "$list_file" ] || continue
    sed 's/^Types:.*/Types: deb-src/' "$list_file" >"$apt_dir/sources.list.d/$(basename "$list_file")"
  done
}

build_sdl2() {
  local version source_name stamp work apt_dir
  version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
  source_name=$(dpkg-query -W -f='${source:Package}' libsdl2-dev)
  stamp="$source_name $version"
  if [ -f "$SDL2_PREFIX/built-from" ] && [ "$(cat "$SDL2_PREFIX/built-from")" = "$stamp" ]; then
    echo "SDL2 for Windows: $stamp, already built in $SDL2_PREFIX"
    return
  fi

  echo "SDL2 for Windows: cross-building $stamp (a few minutes)"
  mkdir -p build
  work=$(mktemp -d "$repository/build/sdl2-source.XXXXXX")
  trap 'rm -rf "$work"; trap - RETURN' RETURN
  apt_dir="$work/apt"
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial"
  write_source_entries "$apt_dir"
  local apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o DPkg::Lock::Timeout=600
  )
  # apt's download sandbox user cannot enter a private temporary directory.
  [ "$(id -u)" -ne 0 ] || apt_options+=(-o APT::Sandbox::User=root)
  apt-get "${apt_options[@]}" -qq update
  (cd "$work" && apt-get "${apt_options[@]}" -qq source "$source_name=$version" >/dev/null)

  local source_dir
  source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "${source_name}-*" | head -n 1)
  [ -n "$source_dir" ] || {
    echo "error: apt-get source $source_name=$version left no source tree" >&2
    exit 1
  }

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
