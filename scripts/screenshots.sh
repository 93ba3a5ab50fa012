#!/usr/bin/env bash
# Builds Velmora and saves a picture of every page and of both dialogs, in
# both flavours, as PNG files: <folder>/9x/NN-<tab>.png and <folder>/nt/...
#   scripts/screenshots.sh [folder]     (default: build/screenshots)
# Uses the demo prefix (~/.velmora-demo, seeded when new) or WINEPREFIX, and
# a virtual screen of its own unless DISPLAY is set.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$build/screenshots}")"

"$root/scripts/build.sh"

fresh=no
[ -z "${WINEPREFIX:-}" ] && [ ! -f "$HOME/.velmora-demo/system.reg" ] && fresh=yes
source "$root/scripts/view-prefix.sh"
start_screen
prepare_view_prefix N
[ "$fresh" = yes ] && wine "$build/velmora_demo_seed.exe"

for flavour in 9x nt; do
  version=win98
  [ "$flavour" = nt ] && version=winxp
  wine reg add 'HKCU\Software\Wine\AppDefaults\velmora_shots.exe' /v Version /d "$version" /f >/dev/null 2>&1
  mkdir -p "$out/$flavour"
  rm -f "$out/$flavour"/*.bmp "$out/$flavour"/*.png
  wine "$build/velmora_shots.exe" "$(winepath -w "$out/$flavour")"
  for bitmap in "$out/$flavour"/*.bmp; do
    convert "$bitmap" "${bitmap%.bmp}.png" && rm "$bitmap"
  done
done
echo "Pictures in $out"
