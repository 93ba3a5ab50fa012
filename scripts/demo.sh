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

source "$root/scripts/view-prefix.sh"
managed=Y
if [ -z "${DISPLAY:-}" ]; then
  start_screen
  managed=N
  echo "Look at it with: DISPLAY=$DISPLAY import -window root shot.png"
fi
prepare_view_prefix "$managed"
wine reg add 'HKCU\Software\Wine\AppDefaults\velmora.exe' /v Version /d "$version" /f >/dev/null 2>&1

if [ "$seed" = yes ]; then
  wine "$build/velmora_demo_seed.exe"
fi
echo "Starting Velmora ($version) in $WINEPREFIX"
wine "$build/velmora.exe"
