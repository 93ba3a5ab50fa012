#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine.
# Safe to run again: it only asks apt for packages that are missing.
set -euo pipefail

# wine32 runs the 32-bit programs (on a 32-bit prefix, and handed over by
# wine64 on a 64-bit one); the i686 -posix compilers build their tests.
packages=(
  cmake ninja-build ccache
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32 g++-mingw-w64-i686-posix
  fp-utils
  python3
  googletest
  wine64 wine wine32:i386
  xvfb xauth
  nsis zip unzip
  fonts-wine imagemagick
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  # wine32 is an i386 package: apt offers it only once dpkg knows the architecture.
  dpkg --print-foreign-architectures | grep -qx i386 || "${sudo_cmd[@]}" dpkg --add-architecture i386
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
