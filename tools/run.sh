#!/usr/bin/env bash
# The main job: sets everything up, builds the Windows binaries, starts a local catalogue site on
# 127.0.0.1 (generated catalogue and archives, on a port that needs no root) and runs
# cobwen.exe under Wine against it, with the default catalogue beside the program. F6 in the
# window refreshes the catalogue from the local site.
#   bash tools/run.sh                    the window on $DISPLAY
#   bash tools/run.sh --screenshot FILE  on a virtual display: saves the main window as FILE (PNG)
# Without a display the second form is taken, with FILE = build/demo/cobwen.png.
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1

shot=""
if [ "${1:-}" = "--screenshot" ]; then
  shot=${2:?"--screenshot needs a file name"}
elif [ -z "${DISPLAY:-}" ]; then
  shot=build/demo/cobwen.png
fi

bash tools/setup.sh >&2 || exit 1
source tools/build.sh
ulvar_build_windows >&2 || exit 1

# The program in a folder of its own, with the shipped catalogue beside it: a refresh replaces
# that copy, never the one in the build.
demo=build/demo
site=$demo/site
rm -rf "$demo"
mkdir -p "$demo"
cp build/win/bin/cobwen.exe build/win/bin/plugins.dat.gz "$demo/"
# The site offers the shipped catalogue and 100 newer plug-ins, so a refresh brings new ones.
python3 tools/catgen/demo_site.py --base "$demo/plugins.dat.gz" --count 100 --out "$site" ||
  exit 1
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
site_pid=$!

export WINEPREFIX="$ULVAR_ROOT/build/wine-prefix"
[ -n "$shot" ] && export ULVAR_FORCE_XVFB=1
source tools/wine-env.sh
stop_all() {
  kill "$site_pid" 2>/dev/null
  wait "$site_pid" 2>/dev/null
  wine_env_stop
}
trap stop_all EXIT
wine_env_start >&2 || exit 1
# Windows draw their own caption, also on a display without a window manager.
"$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
echo "Local catalogue site: http://127.0.0.1:$port/downld/plugins.dat.gz" >&2

if [ -z "$shot" ]; then
  "$WINE_LOADER" "$demo/cobwen.exe" --site "127.0.0.1:$port"
  exit $?
fi

"$WINE_LOADER" "$demo/cobwen.exe" --site "127.0.0.1:$port" &
program=$!
window=""
for _ in $(seq 1 120); do
  window=$(xwininfo -root -tree 2>/dev/null | awk '/"ULVAR Cobwen GUI/ {print $1; exit}')
  [ -n "$window" ] && break
  kill -0 "$program" 2>/dev/null || break
  sleep 0.5
done
if [ -z "$window" ]; then
  echo "run: the main window did not appear" >&2
  exit 1
fi
sleep 3 # let the list and the toolbar finish painting
mkdir -p "$(dirname "$shot")"
import -window "$window" "$shot" || exit 1
echo "Screenshot of the main window: $shot"
