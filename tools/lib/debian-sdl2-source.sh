#!/usr/bin/env bash
# Shared by the cross builds: unpacks Debian's own source package of the SDL2
# the Linux build uses, so every platform runs the same SDL2 version with
# Debian's patches. Source this file, then call:
#
#   fetch_debian_sdl2_source <work directory>   # prints the unpacked source tree
#   debian_sdl2_stamp                           # "<source package> <version>", for caches
#   build_debian_sdl2 <for whom> <install prefix> <configure command...>
#                                               # fetch, configure, build and install, once
#
# The package sources come from the machine's own apt configuration, turned into
# deb-src entries in a temporary apt directory inside the work directory; the
# system's apt configuration and the repository are never changed.

debian_sdl2_stamp() {
  local version source_name
  version=$(dpkg-query -W -f='${Version}' libsdl2-dev)
  source_name=$(dpkg-query -W -f='${source:Package}' libsdl2-dev)
  echo "$source_name $version"
}

# Writes the machine's package sources as deb-src entries, in the format each
# file has: the apt lines of sources.list and *.list, the deb822 stanzas of *.sources.
_write_deb_src_entries() {
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

fetch_debian_sdl2_source() {
  local work=$1
  local source_name version apt_dir source_dir
  read -r source_name version < <(debian_sdl2_stamp)
  apt_dir="$work/apt"
  mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial"
  _write_deb_src_entries "$apt_dir"
  local apt_options=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list"
    -o "Dir::Etc::SourceParts=$apt_dir/sources.list.d"
    -o "Dir::State::Lists=$apt_dir/lists"
    -o "Dir::Cache=$apt_dir/cache"
    -o DPkg::Lock::Timeout=600
  )
  # apt's download sandbox user cannot enter a private temporary directory.
  [ "$(id -u)" -ne 0 ] || apt_options+=(-o APT::Sandbox::User=root)
  apt-get "${apt_options[@]}" -qq update >&2
  (cd "$work" && apt-get "${apt_options[@]}" -qq source "$source_name=$version" >/dev/null) || {
    echo "error: apt-get source $source_name=$version failed (is dpkg-dev installed?)" >&2
    return 1
  }
  source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name "${source_name}-*" | head -n 1)
  [ -n "$source_dir" ] || {
    echo "error: apt-get source $source_name=$version left no source tree in $work" >&2
    return 1
  }
  echo "$source_dir"
}

# Builds and installs SDL2 into the prefix (relative to the current directory,
# the repository root) unless the prefix already holds this very version. The
# configure command is the platform's own CMake launcher and options; the source,
# build and install places and the options every build shares are added here.
build_debian_sdl2() {
  local for_whom=$1 prefix=$2
  shift 2
  local stamp work source_dir
  stamp=$(debian_sdl2_stamp)
  if [ -f "$prefix/built-from" ] && [ "$(cat "$prefix/built-from")" = "$stamp" ]; then
    echo "SDL2 for $for_whom: $stamp, already built in $prefix"
    return
  fi

  echo "SDL2 for $for_whom: building $stamp (a few minutes)"
  mkdir -p build
  work=$(mktemp -d "$(pwd)/build/sdl2-source.XXXXXX")
  trap 'rm -rf "$work"; trap - RETURN' RETURN
  source_dir=$(fetch_debian_sdl2_source "$work")

  rm -rf "$prefix"
  "$@" -S "$source_dir" -B "$work/build" -G Ninja \
    -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$(pwd)/$prefix" \
    -DSDL_TEST=OFF -DSDL_TESTS=OFF >"$work/configure.log" 2>&1 || {
    cat "$work/configure.log" >&2
    return 1
  }
  cmake --build "$work/build" -j "$(nproc)" >"$work/build.log" 2>&1 || {
    tail -n 50 "$work/build.log" >&2
    return 1
  }
  cmake --install "$work/build" >/dev/null
  echo "$stamp" >"$prefix/built-from"
}
