#!/usr/bin/env bash
# Runs the whole test program under every Windows version that Wine can
# present and prints a table of the results: the 64-bit test program in the
# 64-bit build's prefix, the 32-bit one in the 32-bit build's prefix, which is
# 32-bit Windows (each version Wine presents existed as a 32-bit Windows).
#   scripts/versions.sh [VERSION...]   (default: all ten)
# Takes about two minutes per version and program.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
versions=("$@")
((${#versions[@]})) || versions=(win95 win98 winme nt40 win2k winxp vista win7 win8 win10)

"$root/scripts/build.sh"
source "$root/scripts/wine-loader.sh"

# The name ends in the family (_9x, _nt) that the tests expect the version to be.
family() { case "$1" in win95 | win98 | winme) echo 9x ;; *) echo nt ;; esac; }
# The program's own summary is the last: a case that starts the test program
# again (at another resolution) prints one of its own before it.
count() { sed -n "s/^\[  $1 *\] \([0-9]*\) test.*/\1/p" "$2" | tail -1; }

rows="$(mktemp)"
trap 'rm -f "$rows"' EXIT
# run_versions BITS FOLDER: every version, with the test program of the build
# in FOLDER, each result a row of $rows. Copies under names of their own,
# beside the help file the tests open; the folder's prefix presents each
# version to them in turn. Run in a subshell: it sets up Wine for that prefix.
run_versions() {
  local bits="$1" folder="$2" f
  use_wine_prefix "$folder/wineprefix"
  [ "$bits" = 64 ] || use_32bit_wine
  for f in 9x nt; do cp "$folder/velmora_tests_nt.exe" "$folder/velmora_tests_version_$f.exe"; done
  local log="$folder/versions"
  mkdir -p "$log"
  trap "'$folder/wine-run.sh' --stop-server; rm -f '$folder'/velmora_tests_version_{9x,nt}.exe" EXIT
  "$folder/wine-run.sh" --start-server
  local version name status passed failed skipped result start
  for version in "${versions[@]}"; do
    name="velmora_tests_version_$(family "$version").exe"
    wine reg add "HKCU\\Software\\Wine\\AppDefaults\\$name" /v Version /d "$version" /f >/dev/null 2>&1
    start=$SECONDS
    status=0
    "$folder/wine-run.sh" "$folder/$name" --gtest_brief=1 >"$log/$version.txt" 2>&1 || status=$?
    passed="$(count PASSED "$log/$version.txt")"
    failed="$(count FAILED "$log/$version.txt")"
    skipped="$(count SKIPPED "$log/$version.txt")"
    # No summary line at all: the program died before the end of the run.
    result=ok
    [ -n "$passed" ] || result="no summary (status $status)"
    [ "${failed:-0}" -eq 0 ] || result="FAILED"
    echo "| $version | $bits-bit | ${passed:-?} | ${failed:-0} | ${skipped:-0} | $((SECONDS - start)) s | $result |" |
      tee -a "$rows"
  done
  echo "(logs: $log/)"
}
(run_versions 64 "$build")
(run_versions 32 "$build-i686-tests")

echo
echo "| Windows | program | passed | failed | skipped | time | result |"
echo "|---|---|---|---|---|---|---|"
cat "$rows"
! grep -qv '| ok |$' "$rows"
