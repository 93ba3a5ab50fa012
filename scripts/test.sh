#!/usr/bin/env bash
# Builds both programs and runs every test: the 64-bit build's suites under
# Wine, as Windows 98, XP and Vista, headless, and for both programs the check
# that every import exists on the oldest Windows of their architecture.
# Prints ctest's summaries; exits non-zero on a failure. Extra arguments go
# to both ctest runs (for example -R 9x.Registry).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"

"$root/scripts/build.sh"
status=0
echo "== 64-bit program (x86_64)"
ctest --test-dir "$build" --output-on-failure --timeout 120 "$@" || status=$?
echo "== 32-bit program (i686)"
ctest --test-dir "$build-i686" --output-on-failure --timeout 120 "$@" || status=$?
exit "$status"
