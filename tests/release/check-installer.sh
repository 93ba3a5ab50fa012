#!/usr/bin/env bash
# Tries the installer under Wine, in a prefix of its own: installs silently,
# looks at the files, the shortcut and the uninstall entry, starts the
# installed program (its window must show the version, its help must open),
# uninstalls silently and compares with the state before.
# The release ships a 32-bit installer, which cannot run on this machine; the
# installer tried here is built from the same script for 64-bit Windows,
# around the 64-bit program.
# Usage: check-installer.sh <release build folder> <work folder> <probe exe> <version>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
builds="$1"
work="$2"
probe="$3"
version="$4"

source "$root/scripts/wine-loader.sh"
use_wine_prefix "$work/wineprefix"
# No menu entries of the shortcut on the host.
WINEDLLOVERRIDES+=";winemenubuilder.exe=d"
unset DISPLAY

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
install_dir='C:\Program Files\Velmora'
drive_c="$WINEPREFIX/drive_c"
installed="$drive_c/Program Files/Velmora"
shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk"
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# A prefix left by a run that stopped half-way is made afresh.
prepare_prefix() {
  if [ ! -f "$WINEPREFIX/.velmora-clean" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$work"
    wineboot -i >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
    wineserver -w
  fi
  rm -f "$WINEPREFIX/.velmora-clean"
}

# Every file and folder an installer may touch, and the uninstall entries of
# both registry views, into <name>.files and <name>.registry.
snapshot() {
  (cd "$drive_c" && find "Program Files" "Program Files (x86)" ProgramData/Microsoft/Windows/Start\ Menu \
    users/*/AppData/Roaming/Microsoft/Windows/Start\ Menu | sort) >"$work/$1.files"
  local view
  for view in 64 32; do
    wine reg query "$uninstall_key" /s /reg:$view 2>&1 || true
  done | tr -d '\r' >"$work/$1.registry"
}

reg_value() {
  wine reg query "$uninstall_key\\Velmora" /v "$1" /reg:64 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

expect() {
  [ "$2" = "$3" ] || fail "$1: \"$2\", expected \"$3\""
}

check_installed_files() {
  local added
  added="$(comm -13 "$work/before.files" "$work/installed.files" | tr '\n' '|')"
  expect "files added by the installer" "$added" \
    "Program Files/Velmora|Program Files/Velmora/trivan.chm|Program Files/Velmora/uninstall.exe|Program Files/Velmora/velmora.exe|ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk|"
  expect "files removed by the installer" "$(comm -23 "$work/before.files" "$work/installed.files" | tr '\n' '|')" ""
  cmp -s "$installed/velmora.exe" "$builds/stage/win64/velmora.exe" || fail "the installed velmora.exe is not the staged one"
  grep -aqF "$install_dir\\velmora.exe" "$shortcut" || fail "the shortcut does not lead to $install_dir\\velmora.exe"
}

check_uninstall_entry() {
  local resource product_version company sizes
  resource="$(wine "$probe" version-info "$install_dir\\velmora.exe" | tr -d '\r')"
  product_version="$(sed -n 's/^ProductVersion=//p' <<<"$resource")"
  company="$(sed -n 's/^CompanyName=//p' <<<"$resource")"
  expect "ProductVersion of the version resource" "$product_version" "$version"
  [ -n "$company" ] || fail "the version resource names no CompanyName"

  expect DisplayName "$(reg_value DisplayName)" "Velmora"
  expect DisplayVersion "$(reg_value DisplayVersion)" "$product_version"
  expect Publisher "$(reg_value Publisher)" "$company"
  expect UninstallString "$(reg_value UninstallString)" "\"$install_dir\\uninstall.exe\""
  sizes=$(( $(stat -c %s "$installed/velmora.exe") + $(stat -c %s "$installed/trivan.chm") + $(stat -c %s "$installed/uninstall.exe") ))
  expect "EstimatedSize (KB)" "$(( $(reg_value EstimatedSize) ))" "$(( (sizes + 1023) / 1024 ))"
}

check_program_runs() {
  local output
  output="$(wine "$probe" start "$install_dir\\velmora.exe" | tr -d '\r')" || fail "the probe of the running program failed"
  expect "the Info page's version text" "$(sed -n 's/^Info=//p' <<<"$output")" "Velmora Version $version"
  expect "the help window" "$(sed -n 's/^Help=//p' <<<"$output")" "shown"
}

prepare_prefix
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
makensis -V2 -DWIN64 -DVERSION_HEADER="$builds/win64/generated/version.h" \
  -DPROGRAM_DIR="$builds/stage/win64" -DOUTFILE="$work/velmora-setup64.exe" "$root/res/release/velmora.nsi"

snapshot before
wine "$work/velmora-setup64.exe" /S
wineserver -w
snapshot installed
check_installed_files
check_uninstall_entry
check_program_runs

wine "$installed/uninstall.exe" /S
# The uninstaller runs from a copy of itself and returns at once.
wineserver -w
snapshot uninstalled
for part in files registry; do
  diff -u "$work/before.$part" "$work/uninstalled.$part" >&2 || fail "the uninstaller left the $part otherwise than before"
done

[ "$failures" -eq 0 ] || exit 1
touch "$WINEPREFIX/.velmora-clean"
echo "installer of $version: installed, ran and uninstalled cleanly"
