#!/usr/bin/env bash
# Runs the whole test program under every Windows version that Wine can
# present and prints a table of the results. Only the 64-bit build can run
# here (Debian's wine32 is not installed), so the 64-bit test program stands
# in for the 32-bit one: both are built from the same sources.
#   scripts/versions.sh [VERSION...]   (default: all ten)
# Takes about two minutes per version.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
versions=("$@")
((${#versions[@]})) || versions=(win95 win98 winme nt40 win2k winxp vista win7 win8 win10)

"$root/scripts/build.sh"
source "$root/scripts/wine-loader.sh"
use_wine_prefix "$build/wineprefix"
# Copies under names of their own, beside the help file the tests open; the
# prefix presents each version to them in turn. The name ends in the family
# (_9x, _nt) that the tests expect the version to be.
family() { case "$1" in win95 | win98 | winme) echo 9x ;; *) echo nt ;; esac; }
for f in 9x nt; do cp "$build/velmora_tests_nt.exe" "$build/velmora_tests_version_$f.exe"; done
log="$build/versions"
mkdir -p "$log"
cleanup() {
  "$build/wine-run.sh" --stop-server
  rm -f "$build"/velmora_tests_version_{9x,nt}.exe
}
trap cleanup EXIT
"$build/wine-run.sh" --start-server

count() { sed -n "s/^\[  $1 *\] \([0-9]*\) test.*/\1/p" "$2" | head -1; }

rows=()
for version in "${versions[@]}"; do
  name="velmora_tests_version_$(family "$version").exe"
  program="$build/$name"
  wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$name" /v Version /d "$version" /f >/dev/null 2>&1
  start=$SECONDS
  status=0
  "$build/wine-run.sh" "$program" --gtest_brief=1 >"$log/$version.txt" 2>&1 || status=$?
  passed="$(count PASSED "$log/$version.txt")"
  failed="$(count FAILED "$log/$version.txt")"
  skipped="$(count SKIPPED "$log/$version.txt")"
  # No summary line at all: the program died before the end of the run.
  result=ok
  [ -n "$passed" ] || result="no summary (status $status)"
  [ "${failed:-0}" -eq 0 ] || result="FAILED"
  rows+=("| $version | ${passed:-?} | ${failed:-0} | ${skipped:-0} | $((SECONDS - start)) s | $result |")
  echo "${rows[-1]}"
done

echo
echo "| Windows | passed | failed | skipped | time | result |"
echo "|---|---|---|---|---|---|"
printf '%s\n' "${rows[@]}"
echo "(logs: $log/)"
for row in "${rows[@]}"; do [[ "$row" == *"| ok |" ]] || exit 1; done
