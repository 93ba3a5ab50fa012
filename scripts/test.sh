#!/usr/bin/env bash
# Builds both programs and runs every test under Wine, headless: the 64-bit
# build's suites as Windows 98, XP, Vista and 8 (with the release checks);
# the 32-bit build's suites on 32-bit Windows (as Windows 98, XP, Vista and 8)
# and on 64-bit Windows under WoW64 (as XP and 8); and for both shipped
# programs the check that every import exists on the oldest Windows of their
# architecture. Prints ctest's summaries and the time each run took; exits
# non-zero on a failure. Extra arguments go to every ctest run (for example
# -R 9x.Registry).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"

"$root/scripts/build.sh"
status=0
# run TITLE FOLDER [CTEST ARGUMENT...]
run() {
  local title="$1" folder="$2" start=$SECONDS
  shift 2
  echo "== $title"
  ctest --test-dir "$folder" --output-on-failure --timeout 120 "$@" || status=$?
  echo "== $title: $((SECONDS - start)) s"
}
run "64-bit program (x86_64)" "$build" "$@"
run "32-bit program as it ships (i686): imports" "$build-i686" "$@"
run "32-bit program's tests (i686) on 32-bit and on 64-bit Windows" "$build-i686-tests" "$@"
exit "$status"
