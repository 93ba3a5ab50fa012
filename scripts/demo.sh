#!/usr/bin/env bash
# Builds Velmora and starts it under Wine.
#   scripts/demo.sh         Windows 98 flavour (every page usable)
#   scripts/demo.sh --nt    Windows XP flavour
# Without WINEPREFIX it uses its own demo prefix (~/.velmora-demo), seeded
# with sample start-up entries of every kind. With WINEPREFIX set it runs in
# that prefix and leaves its entries as they are (add --seed to seed it too).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"

version=win98
seed=no
[ -z "${WINEPREFIX:-}" ] && seed=yes
for arg in "$@"; do
  case "$arg" in
    --nt) version=winxp ;;
    --seed) seed=yes ;;
    *) echo "usage: $0 [--nt] [--seed]" >&2; exit 2 ;;
  esac
done

"$root/scripts/build.sh"

source "$root/scripts/wine-loader.sh"
export WINEPREFIX="${WINEPREFIX:-$HOME/.velmora-demo}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=C.UTF-8

xvfb_pid=""
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
  display=":$((90 + RANDOM % 9))"
  Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY="$display"
  sleep 1
  echo "No display: Velmora runs on a virtual screen (Xvfb $DISPLAY)."
  echo "Look at it with: DISPLAY=$DISPLAY import -window root shot.png"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (takes a few seconds) ..."
  wineboot -i >/dev/null 2>&1
fi
# One server for the whole run: a new server counts as a boot and would run
# (and delete) the RunOnce samples before Velmora shows them.
wineserver -p >/dev/null 2>&1 </dev/null &
wineboot >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\AppDefaults\velmora.exe' /v Version /d "$version" /f >/dev/null 2>&1

if [ "$seed" = yes ]; then
  wine "$build/velmora_demo_seed.exe"
fi
echo "Starting Velmora ($version) in $WINEPREFIX"
wine "$build/velmora.exe"
