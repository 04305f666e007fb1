#!/usr/bin/env bash
# Installs the build and test dependencies from Debian packages. Safe to run again:
# when everything is present it only checks and returns.
#
#   tools/install-dependencies.sh            the Linux build, its tests and benchmarks
#   tools/install-dependencies.sh play       only what building and playing the game needs
#   tools/install-dependencies.sh windows    the Linux set, and the Windows build's (tools/build-windows.sh)
#   tools/install-dependencies.sh web        the Linux set, and the browser build's (tools/build-web.sh)
set -euo pipefail

# The compiler, CMake, SDL2, stb and the GL that the game runs on.
PLAY_PACKAGES=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libstb-dev libgl-dev libgl1-mesa-dri libglx-mesa0
)
# The test and benchmark libraries, the X tools of the end-to-end runs and the
# screenshots, and the leak check's valgrind.
TEST_PACKAGES=(
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libx11-dev libxtst-dev
  xvfb xauth x11-utils imagemagick xdotool
  valgrind time
  openbox x11-xkb-utils
)
# The cross compiler, Wine to run the result, and what fetches and unpacks
# Debian's SDL2 source package; GoogleTest's sources come with googletest.
WINDOWS_PACKAGES=(
  gcc-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev
  wine wine64 dpkg-dev
)
# The compiler (it brings Node and its Node modules), what fetches and unpacks
# Debian's SDL2 source package, and the browser, its driver and the Python
# client that play the page; GoogleTest's sources come with googletest.
WEB_PACKAGES=(
  emscripten dpkg-dev
  chromium chromium-driver python3-selenium
)

[ $# -le 1 ] || { echo "usage: tools/install-dependencies.sh [play|windows|web]" >&2; exit 2; }
case "${1:-}" in
  play) PACKAGES=("${PLAY_PACKAGES[@]}") ;;
  "") PACKAGES=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}") ;;
  windows) PACKAGES=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}") ;;
  web) PACKAGES=("${PLAY_PACKAGES[@]}" "${TEST_PACKAGES[@]}" "${WEB_PACKAGES[@]}") ;;
  *) echo "usage: tools/install-dependencies.sh [play|windows|web]" >&2; exit 2 ;;
esac

missing=()
for package in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  SUDO=()
elif command -v sudo >/dev/null 2>&1; then
  SUDO=(sudo)
else
  echo "error: missing packages (${missing[*]}) and neither root nor sudo is available" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
"${SUDO[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${SUDO[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}" </dev/null
