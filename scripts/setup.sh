#!/usr/bin/env bash
# Installs what building, running and testing need on a Debian 12 machine.
# Safe to run again: it only asks apt for packages that are missing.
set -euo pipefail

packages=(
  cmake ninja-build ccache
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-win32
  fp-utils
  python3
  googletest
  wine64 wine
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
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
