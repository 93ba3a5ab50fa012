#!/usr/bin/env bash
# Installs what is missing, then configures and builds everything into
# build/ (or $VELMORA_BUILD_DIR).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"

"$root/scripts/setup.sh"
if [ ! -f "$build/build.ninja" ]; then
  # ccache keeps a rebuild in another checkout or a fresh clone short.
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake" \
    -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
fi
cmake --build "$build" -- -j"$(nproc)"
