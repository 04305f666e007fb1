#!/usr/bin/env bash
# Shared by the scripts that build: configures a CMake preset (quietly) and builds
# it with one job per core. Source this file, then call:
#
#   build_preset <preset> [<target>...]   # the preset's own targets when none is named

build_preset() {
  local preset=$1
  shift
  local targets=()
  [ $# -eq 0 ] || targets=(--target "$@")
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" "${targets[@]}"
}
