#!/usr/bin/env bash
# Measures Velmora beside the tools a user would take instead, in one Wine
# prefix of its own, in both flavours, with interleaved repetitions and
# medians (a shared machine is noisy: compare the ratios, not the figures).
#   - window shown: Velmora, Wine's regedit, Wine's notepad, and the ratios;
#   - a Run key of 5,000 and 20,000 values: Velmora's list against regedit
#     opened at the same key;
#   - System.ini of 1 MB and 5 MB: Velmora's page against notepad, shown with
#     its tab chosen as soon as the window is there (what a user who goes to
#     it waits for), and only loaded into its page as the pages come;
#   - peak working set at those moments, read while the program is held;
#   - in process: the print layout of one 20,000-character line, and 500 and
#     2,000 services and scheduled tasks read for their pages and for the
#     list of every entry (linear: four times the items, four times the time).
# Velmora is measured as it ships: stripped.
#   scripts/bench.sh [repetitions] [run]   (default 7; "run": the Run-key rows only)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${VELMORA_BUILD_DIR:-$root/build}"
reps="${1:-7}"
only="${2:-}"
"$root/scripts/build.sh" >/dev/null

source "$root/scripts/wine-loader.sh"
use_wine_prefix "$build/benchprefix"
unset DISPLAY
work="$(mktemp -d)"
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap cleanup EXIT

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1
  wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
  wineserver -w
fi
# The fonts Windows has, as the demo's and the tests' prefixes get them:
# without them the pages' "MS Sans Serif" and notepad's "System" fall back
# to other fonts, which the edit control lays out at other speeds.
cp -n /usr/share/wine/fonts/*.fon "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
# One server for the whole run, so that no start counts as a boot.
wineserver -p >/dev/null 2>&1 </dev/null &
wineboot >/dev/null 2>&1 </dev/null

run_key='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Run'
# The program as it ships: stripped, as the release packs it.
x86_64-w64-mingw32-strip --strip-all -o "$work/velmora.exe" "$build/velmora.exe"
cp "$build/velmora_launch_bench.exe" "$work/"
velmora="$(winepath -w "$work/velmora.exe")"
launch="$work/velmora_launch_bench.exe"
system_ini="$WINEPREFIX/drive_c/windows/system.ini"
cp "$system_ini" "$work/system.ini.orig"
trap 'cp "$work/system.ini.orig" "$system_ini"; wine reg delete "$run_key" /f >/dev/null 2>&1; wine reg add "$run_key" /f >/dev/null 2>&1; cleanup' EXIT

# Prints the median of the numbers on standard input.
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# measure NAME [launcher arguments...]: one start, its figures appended to
# $work/NAME.window, .ready and .peak.
measure() {
  local name="$1"; shift
  local line
  line="$(wine "$launch" "$@" 2>/dev/null | tr -d '\r')" || true
  set -- $line
  [ "${1:-}" = window ] || { echo "  ($name: no window)" >&2; return; }
  echo "$2" >>"$work/$name.window"
  echo "$4" >>"$work/$name.ready"
  echo "$6" >>"$work/$name.peak"
}

fill_run_key() {
  local count="$1" file="$work/run.reg"
  {
    printf 'REGEDIT4\r\n\r\n[-%s]\r\n\r\n[%s]\r\n' "$run_key" "$run_key"
    for ((i = 0; i < count; i++)); do
      printf '"Eintrag %d"="C:\\\\Programme\\\\Werkzeug %d\\\\werkzeug.exe /autostart"\r\n' $(((i * 7919) % count)) "$i"
    done
  } >"$file"
  wine regedit /s "$(winepath -w "$file")" >/dev/null 2>&1
  wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\Applets\Regedit' /v LastKey /d "$run_key" /f >/dev/null 2>&1
}

fill_system_ini() {
  local bytes="$1"
  : >"$system_ini"
  while [ "$(stat -c %s "$system_ini")" -lt "$bytes" ]; do
    for _ in $(seq 1000); do printf '; eine Zeile einer grossen System.ini, wie sie manche Installation hinterlaesst\r\n'; done >>"$system_ini"
  done
  stat -c %s "$system_ini"
}

report() {  # report LABEL NAME...: one table row of medians (window / ready) and peaks
  local label="$1"; shift
  printf '| %s |' "$label"
  for name in "$@"; do
    if [ -s "$work/$name.ready" ]; then
      printf ' %s ms, %s KiB |' "$(median <"$work/$name.ready")" "$(median <"$work/$name.peak")"
    else
      printf ' – |'
    fi
  done
  echo
}

ratio() {  # ratio A B: A's median against B's, or – when either made no measurement
  if [ -s "$work/$1.ready" ] && [ -s "$work/$2.ready" ]; then
    awk -v a="$(median <"$work/$1.ready")" -v b="$(median <"$work/$2.ready")" 'BEGIN { printf "%.2fx", a / b }'
  else
    printf '–'
  fi
}

for flavour in win98 winxp; do
  wine reg add 'HKCU\Software\Wine' /v Version /d "$flavour" /f >/dev/null 2>&1
  rm -f "$work"/*.window "$work"/*.ready "$work"/*.peak
  wine reg delete "$run_key" /f >/dev/null 2>&1 || true
  wine reg add "$run_key" /f >/dev/null 2>&1
  cp "$work/system.ini.orig" "$system_ini"
  for ((r = 0; r < reps; r++)); do
    [ "$only" = run ] && break
    measure start-velmora "$velmora"
    measure start-regedit regedit.exe
    measure start-notepad notepad.exe
  done
  for count in 5000 20000; do
    fill_run_key "$count"
    for ((r = 0; r < reps; r++)); do
      measure "run$count-velmora" --rows "$count" "$velmora"
      measure "run$count-regedit" --rows "$count" regedit.exe
    done
  done
  wine reg delete "$run_key" /f >/dev/null 2>&1 || true
  wine reg add "$run_key" /f >/dev/null 2>&1
  for megabytes in 1 5; do
    [ "$only" = run ] && break
    size="$(fill_system_ini $((megabytes << 20)))"
    ini="$(winepath -w "$system_ini")"
    for ((r = 0; r < reps; r++)); do
      measure "text$megabytes-velmora-window" "$velmora"
      measure "text$megabytes-velmora" --chars "$size" "$velmora"
      measure "text$megabytes-velmora-tab" --chars "$size" --tab 7 "$velmora"
      measure "text$megabytes-notepad" --chars "$size" notepad.exe "$ini"
    done
  done
  cp "$work/system.ini.orig" "$system_ini"

  echo "== $flavour ($reps starts each, medians; time from process start)"
  echo "| | Velmora | regedit | notepad |"
  echo "|---|---|---|---|"
  [ "$only" = run ] || report "window shown" start-velmora start-regedit start-notepad
  report "Run key, 5,000 values listed" run5000-velmora run5000-regedit
  report "Run key, 20,000 values listed" run20000-velmora run20000-regedit
  if [ "$only" != run ]; then
    report "window shown, 5 MB System.ini" text5-velmora-window
    report "System.ini 1 MB in its page as the pages come (tab not chosen)" text1-velmora "" text1-notepad
    report "System.ini 5 MB in its page as the pages come (tab not chosen)" text5-velmora "" text5-notepad
    report "System.ini 1 MB shown, its tab chosen at once" text1-velmora-tab "" text1-notepad
    report "System.ini 5 MB shown, its tab chosen at once" text5-velmora-tab "" text5-notepad
    echo "Velmora's window against regedit's: $(ratio start-velmora start-regedit), against notepad's: $(ratio start-velmora start-notepad)"
  fi
  echo "Run key against regedit: 5,000 values $(ratio run5000-velmora run5000-regedit), 20,000 values $(ratio run20000-velmora run20000-regedit)"
  [ "$only" = run ] || echo "System.ini shown against notepad, its tab chosen at once: 1 MB $(ratio text1-velmora-tab text1-notepad), 5 MB $(ratio text5-velmora-tab text5-notepad); in its page as the pages come: 1 MB $(ratio text1-velmora text1-notepad), 5 MB $(ratio text5-velmora text5-notepad)"
  echo
done

echo "== in process"
wine "$build/velmora_bench_nt.exe" 2>/dev/null | tr -d '\r'
