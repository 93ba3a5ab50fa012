#!/usr/bin/env bash
# Checks what scripts/release.sh put into a dist folder: each archive holds
# exactly the program, the help file and Liesmich.txt; its program is built
# for the Windows its name says, carries no debugging sections; Liesmich.txt
# is Windows-1252 with CR LF; the installer is a 32-bit program; SHA256SUMS
# covers the three files and matches them.
# Usage: check-archives.sh <dist folder> <version>
set -euo pipefail
dist="$1"
version="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() {
  echo "FAILED: $*" >&2
  failures=$((failures + 1))
}

# The machine field of a PE file's header, as 0x14c or 0x8664.
pe_machine() {
  local pe_offset
  pe_offset=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  [ "$(od -An -c -j "$pe_offset" -N 4 "$1" | tr -d ' ')" = 'PE\0\0' ] || { echo none; return; }
  printf '0x%x\n' "$(od -An -t u2 -j $((pe_offset + 4)) -N 2 "$1" | tr -d ' ')"
}

check_archive() {
  local flavour="$1" machine="$2" objdump="$3"
  local archive="$dist/velmora-$version-$flavour.zip" unpacked="$work/$flavour"
  [ -f "$archive" ] || { fail "$archive is missing"; return; }
  local listing
  listing="$(unzip -Z1 "$archive" | sort | tr '\n' ' ')"
  [ "$listing" = "Liesmich.txt trivan.chm velmora.exe " ] || fail "$flavour archive holds: $listing"
  unzip -q -d "$unpacked" "$archive"

  [ "$(pe_machine "$unpacked/velmora.exe")" = "$machine" ] ||
    fail "$flavour velmora.exe has machine $(pe_machine "$unpacked/velmora.exe"), not $machine"
  if "$objdump" -h "$unpacked/velmora.exe" | grep -q '\.debug'; then
    fail "$flavour velmora.exe has debugging sections"
  fi
  [ "$(head -c 4 "$unpacked/trivan.chm")" = "ITSF" ] || fail "$flavour trivan.chm is no compiled help file"

  local readme="$unpacked/Liesmich.txt"
  if grep -q $'[^\r]$' "$readme" || [ "$(tail -c 2 "$readme" | od -An -c | tr -d ' ')" != '\r\n' ]; then
    fail "$flavour Liesmich.txt has a line not ended by CR LF"
  fi
  # "Löschen" with ö as the single Windows-1252 byte 0xF6.
  grep -q $'L\xf6schen' "$readme" || fail "$flavour Liesmich.txt is not Windows-1252 (no \"Löschen\")"
  grep -q "Velmora $version ($flavour)" "$readme" || fail "$flavour Liesmich.txt does not name the version"
}

check_archive win32 0x14c i686-w64-mingw32-objdump
check_archive win64 0x8664 x86_64-w64-mingw32-objdump

setup="$dist/velmora-$version-setup.exe"
[ "$(pe_machine "$setup")" = 0x14c ] || fail "the installer is not a 32-bit program"

summed="$(awk '{print $2}' "$dist/SHA256SUMS" | sort | tr '\n' ' ')"
[ "$summed" = "velmora-$version-setup.exe velmora-$version-win32.zip velmora-$version-win64.zip " ] ||
  fail "SHA256SUMS lists: $summed"
(cd "$dist" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not match the files"

[ "$failures" -eq 0 ] || exit 1
echo "release archives, installer and checksums of $version are as they should be"
