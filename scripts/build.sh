#!/usr/bin/env bash
# Installs what is missing, then configures and builds both programs: the
# 64-bit one with every test into build/ (or $VELMORA_BUILD_DIR), the 32-bit
# one into build-i686/ beside it. The 32-bit build makes the program and its
# import check only: its tests could not run here (Wine without wine32).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
build32="$build-i686"

# configure FOLDER TOOLCHAIN [CMAKE OPTION...]: a folder that was configured
# with another compiler (an older toolchain file) is configured afresh.
configure() {
  local folder="$1" toolchain="$2"
  shift 2
  local compiler
  compiler="$(sed -n 's/^set(CMAKE_CXX_COMPILER *\([^ )]*\).*/\1/p' "$toolchain")"
  if [ -f "$folder/build.ninja" ] &&
    grep -qs "set(CMAKE_CXX_COMPILER \".*/$compiler\")" "$folder"/CMakeFiles/*/CMakeCXXCompiler.cmake; then
    return
  fi
  # ccache keeps a rebuild in another checkout or a fresh clone short.
  cmake --fresh -S "$root" -B "$folder" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}

"$root/scripts/setup.sh"
configure "$build" "$root/cmake/mingw-w64-x86_64.cmake"
configure "$build32" "$root/cmake/mingw-w64-i686.cmake" -DVELMORA_TESTS=OFF
cmake --build "$build" -- -j"$(nproc)"
cmake --build "$build32" -- -j"$(nproc)"
