#!/usr/bin/env bash
# Installs what is missing, then configures and builds both programs: the
# 64-bit one with every test into build/ (or $VELMORA_BUILD_DIR), the 32-bit
# one as it ships, with its import check, into build-i686/ beside it, and the
# 32-bit test programs into build-i686-tests/ (GoogleTest needs the -posix
# runtime, which the shipped program must not use).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
build32="$build-i686"
build32tests="$build-i686-tests"

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
configure "$build32tests" "$root/cmake/mingw-w64-i686-posix.cmake" -DVELMORA_PRODUCT_CHECKS=OFF
cmake --build "$build" -- -j"$(nproc)"
cmake --build "$build32" -- -j"$(nproc)"
cmake --build "$build32tests" -- -j"$(nproc)"
