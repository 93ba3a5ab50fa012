#!/usr/bin/env bash
# Builds Velmora and prints its start-up time and the time to load 5,000 Run
# entries, in both Windows flavours, in the test prefix.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
"$root/scripts/build.sh"
for flavour in 9x nt; do
  echo "== $flavour"
  "$build/wine-run.sh" "$build/velmora_bench_$flavour.exe"
done
