#!/usr/bin/env bash
# Makes what a Windows user gets, into dist/ (or $VELMORA_DIST_DIR):
#   velmora-<version>-win32.zip, velmora-<version>-win64.zip
#       the stripped velmora.exe, trivan.chm and Liesmich.txt;
#   velmora-<version>-setup.exe
#       the 32-bit German installer (res/release/velmora.nsi);
#   SHA256SUMS
#       of those three files.
# Both programs are built in release folders of their own, without tests:
# build-release/win32 and build-release/win64 (or under
# $VELMORA_RELEASE_BUILD_DIR). The files that go into the archives and the
# installer are put together in build-release/stage/<flavour>/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
builds="${VELMORA_RELEASE_BUILD_DIR:-$root/build-release}"
dist="${VELMORA_DIST_DIR:-$root/dist}"

build_program() {
  local flavour="$1" toolchain="$2" dir="$builds/$1"
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$root" -B "$dir" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$toolchain" \
      -DCMAKE_BUILD_TYPE=Release -DVELMORA_TESTS=OFF \
      -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache >/dev/null
  fi
  echo "Building the $flavour program in $dir"
  cmake --build "$dir" --target velmora -- -j"$(nproc)" >/dev/null
}

version_of() {
  sed -n 's/^#define VELMORA_VERSION "\(.*\)"$/\1/p' "$builds/$1/generated/version.h"
}

windows_of() {
  case "$1" in
    win32) printf '%s\n' \
      "Windows 95, 98 und Me sowie Windows NT, 2000, XP, Vista und neuer" \
      "(auch deren 64-Bit-Ausgaben)." ;;
    win64) printf '%s\n' \
      "Die 64-Bit-Ausgaben von Windows XP, Vista und neuer. Für 32-Bit-Windows" \
      "und für Windows 95, 98 und Me gibt es velmora-$version-win32.zip." ;;
  esac
}

# Liesmich.txt as a Windows editor expects it: Windows-1252, CR LF.
write_readme() {
  awk -v version="$version" -v flavour="$1" -v windows="$(windows_of "$1")" '
    { gsub(/@VERSION@/, version); gsub(/@FLAVOUR@/, flavour) }
    $0 == "@WINDOWS@" { print windows; next }
    { print }' "$root/res/release/Liesmich.txt" | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1252
}

# The program without symbols, its help file and the read-me, as they ship.
stage_program() {
  local flavour="$1" strip="$2" stage="$builds/stage/$1"
  rm -rf "$stage"
  mkdir -p "$stage"
  "$strip" --strip-all -o "$stage/velmora.exe" "$builds/$flavour/velmora.exe"
  cp "$builds/$flavour/trivan.chm" "$stage/"
  write_readme "$flavour" >"$stage/Liesmich.txt"
}

zip_program() {
  local archive="$dist/velmora-$version-$1.zip"
  (cd "$builds/stage/$1" && zip -q -X "$archive" velmora.exe trivan.chm Liesmich.txt)
}

make_installer() {
  makensis -V2 -DVERSION_HEADER="$builds/win32/generated/version.h" \
    -DPROGRAM_DIR="$builds/stage/win32" -DOUTFILE="$dist/velmora-$version-setup.exe" \
    "$root/res/release/velmora.nsi"
}

"$root/scripts/setup.sh"
build_program win32 mingw-w64-i686.cmake
build_program win64 mingw-w64-x86_64.cmake
version="$(version_of win64)"
if [ -z "$version" ] || [ "$(version_of win32)" != "$version" ]; then
  echo "release: the two builds disagree on the version (${version:-none})" >&2
  exit 1
fi

stage_program win32 i686-w64-mingw32-strip
stage_program win64 x86_64-w64-mingw32-strip
mkdir -p "$dist"
rm -f "$dist"/velmora-*.zip "$dist"/velmora-*-setup.exe "$dist/SHA256SUMS"
zip_program win32
zip_program win64
make_installer
files=("velmora-$version-win32.zip" "velmora-$version-win64.zip" "velmora-$version-setup.exe")
(cd "$dist" && sha256sum "${files[@]}" >SHA256SUMS)

echo "Velmora $version in $dist:"
(cd "$dist" && ls -l "${files[@]}" SHA256SUMS | awk '{printf "  %-32s %9d bytes\n", $9, $5}')
for flavour in win32 win64; do
  printf '  %-32s %9d bytes\n' "velmora.exe ($flavour)" "$(stat -c %s "$builds/stage/$flavour/velmora.exe")"
done
