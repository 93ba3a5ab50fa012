#!/usr/bin/env bash
# Builds everything and runs every test under Wine, as Windows 98 and as
# Windows XP, headless. Prints ctest's summary; exits non-zero on a failure.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"

"$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure --timeout 120 "$@"
