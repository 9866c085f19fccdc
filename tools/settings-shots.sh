#!/usr/bin/env bash
# Pictures of the settings dialog's four pages for the README: builds settings-demo, opens it on
# each page on a virtual display with a small generated catalogue for the sample rows, and saves
# docs/settings-page-1.png ... docs/settings-page-4.png.
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1

source tools/build.sh
if [ -f build/win/CMakeCache.txt ]; then
  cmake --build build/win --target settings-demo -j2 >&2 || exit 1
else
  ulvar_build_windows >&2 || exit 1
fi

work=$(mktemp -d)
python3 tools/catgen/catgen.py --count 20 --seed 3 --out "$work" >/dev/null || exit 1

export ULVAR_FORCE_XVFB=1
source tools/wine-env.sh
stop_all() {
  wine_env_stop
  rm -rf "$work"
}
trap stop_all EXIT
wine_env_start >&2 || exit 1
# Windows draw their own caption, also on a display without a window manager.
"$WINE_LOADER" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 ||
  { echo "settings-shots: cannot set Wine's window management" >&2; exit 1; }

mkdir -p docs
for page in 0 1 2 3; do
  shot="docs/settings-page-$((page + 1)).png"
  "$WINE_LOADER" build/win/bin/settings-demo.exe "$page" "Z:${work//\//\\}\\plugins.dat.gz" &
  program=$!
  window=""
  for _ in $(seq 1 60); do
    window=$(xwininfo -root -tree 2>/dev/null | awk '/"Настройки"/ {print $1; exit}')
    [ -n "$window" ] && break
    sleep 0.5
  done
  if [ -z "$window" ]; then
    echo "settings-shots: the dialog did not appear" >&2
    kill "$program" 2>/dev/null
    exit 1
  fi
  # Painted once two captures half a second apart are the same.
  previous="$shot.previous.png"
  rm -f "$previous"
  for _ in $(seq 1 20); do
    sleep 0.5
    import -window "$window" "$shot" 2>/dev/null || continue
    if [ -f "$previous" ] && cmp -s <(convert "$previous" rgb:-) <(convert "$shot" rgb:-); then
      break
    fi
    mv "$shot" "$previous"
  done
  rm -f "$previous"
  kill "$program" 2>/dev/null
  wait "$program" 2>/dev/null
  "$WINESERVER" -k >/dev/null 2>&1
  "$WINESERVER" -p >/dev/null 2>&1
  echo "$shot"
done
