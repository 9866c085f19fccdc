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
rm -rf "$demo" && mkdir -p "$demo" || exit 1
cp build/win/bin/cobwen.exe build/win/bin/plugins.dat.gz "$demo/" || exit 1
# The site offers the shipped catalogue and 100 newer plug-ins, so a refresh brings new ones.
python3 tools/catgen/demo_site.py --base "$demo/plugins.dat.gz" --count 100 --out "$site" ||
  exit 1
# The update server is the site too: it publishes the version after this build's (the about
# box's "Новая версия" offers it) with a stand-in archive of that version.
mkdir -p "$site/ulvar" || exit 1
next=$(( $(tr -d '.\n' <build/win/ulvar-version.txt) + 1 ))
printf 'ULVAR Cobwen GUI\r\n%s\r\n%s (demo)\r\n%s\r\n' "$next" "$next" "$(date +%d.%m.%Y)" \
  >"$site/ulvar/lv_gui.dat" || exit 1
printf 'Rar!\032\007 stand-in archive of version %s\n' "$next" >"$site/ulvar/cobwen_gui.rar" ||
  exit 1
port=$(python3 -c 'import sys; sys.path.insert(0, "tools/testsupport"); import local_servers; print(local_servers.free_port())') ||
  exit 1
python3 -m http.server --bind 127.0.0.1 --directory "$site" "$port" >/dev/null 2>&1 &
site_pid=$!
python3 -c 'import sys; sys.path.insert(0, "tools/testsupport"); import local_servers; sys.exit(0 if local_servers.wait_for_port(int(sys.argv[1])) else 1)' "$port" ||
  { echo "run: the local site did not start on 127.0.0.1:$port" >&2; kill "$site_pid"; exit 1; }

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
"$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
  { echo "run: cannot set Wine's window management" >&2; exit 1; }
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
# The window is ready once the catalogue is loaded and painted: two captures half a second apart
# are the same (at most 30 seconds).
mkdir -p "$(dirname "$shot")" || exit 1
previous="$shot.previous.png"
rm -f "$previous"
steady=""
for _ in $(seq 1 60); do
  kill -0 "$program" 2>/dev/null || { echo "run: cobwen.exe ended before the screenshot" >&2; exit 1; }
  import -window "$window" "$shot" 2>/dev/null || { sleep 0.5; continue; }
  if [ -f "$previous" ] && cmp -s <(convert "$previous" rgb:-) <(convert "$shot" rgb:-); then
    steady=1
    break
  fi
  mv "$shot" "$previous"
  sleep 0.5
done
rm -f "$previous"
if [ -z "$steady" ]; then
  echo "run: the main window did not settle within 30 seconds" >&2
  exit 1
fi
echo "Screenshot of the main window: $shot"
