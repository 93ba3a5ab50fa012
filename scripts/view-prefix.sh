# Sourced by demo.sh and screenshots.sh: the Wine prefix and the screen that a
# person looks at Velmora in. Sets WINEPREFIX (default ~/.velmora-demo) and
# DISPLAY (a new Xvfb screen when there is none), keeps one Wine server for
# the whole run and stops both on exit.

source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
use_wine_prefix "${WINEPREFIX:-$HOME/.velmora-demo}"

view_xvfb_pid=""
stop_view() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$view_xvfb_pid" ] && kill "$view_xvfb_pid" 2>/dev/null || true
}
trap stop_view EXIT

# A screen of our own when there is none; a window manager there is not.
start_screen() {
  [ -n "${DISPLAY:-}" ] && return 0
  local number
  for number in $(seq 90 99); do
    [ -e "/tmp/.X11-unix/X$number" ] || [ -e "/tmp/.X$number-lock" ] || break
  done
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  view_xvfb_pid=$!
  export DISPLAY=":$number"
  sleep 1
  echo "No display: Velmora runs on a virtual screen (Xvfb $DISPLAY)."
}

# Wine's own dialog fonts (Debian's fonts-wine) are not read from where the
# package puts them; in the prefix's font folder they are, and the pages are
# drawn with the font they were designed with. The frames Wine draws itself
# need two more: Marlett for the symbols of the title bar's buttons (without
# it they read "0 1 r") and Tahoma for the title.
install_wine_fonts() {
  local fonts="$WINEPREFIX/drive_c/windows/Fonts" font
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.fon "$fonts"/ 2>/dev/null || true
  for font in marlett.ttf tahoma.ttf tahomabd.ttf; do
    cp -n "/usr/share/wine/fonts/$font" "$fonts"/ 2>/dev/null || true
  done
}

# Makes the prefix if needed and starts its server. Argument "N" when no
# window manager runs: Wine then draws the windows' frames itself (title,
# close box, system menu); "Y" leaves them to the window manager.
prepare_view_prefix() {
  local managed="$1"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "Creating the Wine prefix $WINEPREFIX (takes a few seconds) ..."
    wineboot -i >/dev/null 2>&1
  fi
  install_wine_fonts
  # One server for the whole run: a new server counts as a boot and would run
  # (and delete) the RunOnce samples before Velmora shows them.
  wineserver -p >/dev/null 2>&1 </dev/null &
  wineboot >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1
}
