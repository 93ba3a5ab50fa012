#!/usr/bin/env bash
# Tries the installers under Wine, in a 64-bit prefix of its own: the shipped
# 32-bit one (velmora-<version>-setup.exe, into "Program Files (x86)" and the
# 32-bit view of the registry, as on 64-bit Windows) and its 64-bit twin built
# from the same script. Each is installed silently; the files, the shortcut
# and the uninstall entry are looked at; the installed program is started (its
# window must show the version, its help must open); it is uninstalled
# silently and the state compared with the one before. Then the program of
# the -win32.zip is started once from where the archive was unpacked.
# Usage: check-installer.sh <release build folder> <dist folder> <work folder> <probe exe> <version>
set -euo pipefail
root="$(cd "$(dirname "$0")/../.." && pwd)"
builds="$1"
dist="$2"
work="$3"
probe="$4"
version="$5"

source "$root/scripts/wine-loader.sh"
use_wine_prefix "$work/wineprefix"
# No menu entries of the shortcut on the host.
WINEDLLOVERRIDES+=";winemenubuilder.exe=d"
unset DISPLAY

uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
drive_c="$WINEPREFIX/drive_c"
shortcut_file='ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora.lnk'
shortcut="$drive_c/$shortcut_file"
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

# reg_value NAME: the value of the uninstall entry, in the installer's view.
reg_value() {
  wine reg query "$uninstall_key\\Velmora" /v "$1" /reg:$view 2>/dev/null | tr -d '\r' |
    awk -v name="$1" '$1 == name { sub(/^[ \t]*[^ \t]+[ \t]+[^ \t]+[ \t]+/, ""); print }'
}

expect() {
  [ "$2" = "$3" ] || fail "$1: \"$2\", expected \"$3\""
}

check_installed_files() {
  local added
  added="$(comm -13 "$work/before.files" "$work/installed.files" | tr '\n' '|')"
  local folder="${program_files}/Velmora"
  expect "files added by the installer" "$added" \
    "$folder|$folder/trivan.chm|$folder/uninstall.exe|$folder/velmora.exe|$shortcut_file|"
  expect "files removed by the installer" "$(comm -23 "$work/before.files" "$work/installed.files" | tr '\n' '|')" ""
  cmp -s "$installed/velmora.exe" "$builds/stage/$flavour/velmora.exe" || fail "the installed velmora.exe is not the staged one"
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

# check_program_runs EXE: the program's window shows the version, its help opens.
check_program_runs() {
  local output
  output="$(wine "$probe" start "$1" | tr -d '\r')" || fail "the probe of the running $1 failed"
  expect "the Info page's version text of $1" "$(sed -n 's/^Info=//p' <<<"$output")" "Velmora Version $version"
  expect "the help window of $1" "$(sed -n 's/^Help=//p' <<<"$output")" "shown"
}

# check_installer SETUP FLAVOUR VIEW PROGRAM_FILES: installs, looks, runs and
# uninstalls; FLAVOUR names the staged program it must install, VIEW the
# registry view (64 or 32) of its uninstall entry, PROGRAM_FILES the folder
# below C:\ it installs into.
check_installer() {
  local setup="$1" flavour="$2" view="$3" program_files="$4"
  local install_dir="C:\\${program_files}\\Velmora" installed="$drive_c/$program_files/Velmora"
  echo "trying $(basename "$setup")"
  snapshot before
  wine "$setup" /S
  wineserver -w
  snapshot installed
  check_installed_files
  check_uninstall_entry
  check_program_runs "$install_dir\\velmora.exe"

  wine "$installed/uninstall.exe" /S
  # The uninstaller runs from a copy of itself and returns at once.
  wineserver -w
  snapshot uninstalled
  for part in files registry; do
    diff -u "$work/before.$part" "$work/uninstalled.$part" >&2 || fail "the uninstaller left the $part otherwise than before"
  done
}

# The program of the -win32.zip, started from where the archive was unpacked
# (with its help file beside it).
check_archive_program() {
  local unpacked="$drive_c/velmora-win32"
  rm -rf "$unpacked"
  unzip -q -d "$unpacked" "$dist/velmora-$version-win32.zip"
  check_program_runs 'C:\velmora-win32\velmora.exe'
  rm -rf "$unpacked"
}

prepare_prefix
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
makensis -V2 -DWIN64 -DVERSION_HEADER="$builds/win64/generated/version.h" \
  -DPROGRAM_DIR="$builds/stage/win64" -DOUTFILE="$work/velmora-setup64.exe" "$root/res/release/velmora.nsi"

check_installer "$dist/velmora-$version-setup.exe" win32 32 "Program Files (x86)"
check_installer "$work/velmora-setup64.exe" win64 64 "Program Files"
check_archive_program

[ "$failures" -eq 0 ] || exit 1
touch "$WINEPREFIX/.velmora-clean"
echo "both installers of $version installed, ran and uninstalled cleanly; the program of the -win32.zip ran"
