#!/usr/bin/env bash
# Builds the Windows binaries and opens a plug-in in the stand-in host, in this terminal, under
# Wine (the terminal must be at least 80x25; in tmux bind Home and End to ESC[H and ESC[F so that
# they reach the program, see plugin-host/README.md):
#   bash tools/play.sh [PLUGIN] [ulvar-host options...]
# PLUGIN is blocksby (the default), sentrel, sockwell, launchet, echo_plugin, or the path of a
# plug-in DLL.
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1

if [ ! -t 0 ] || [ ! -t 1 ]; then
  echo "play.sh needs a terminal: the plug-in reads real key events." >&2
  exit 2
fi

plugin=${1:-blocksby}
[ $# -gt 0 ] && shift
case "$plugin" in
  *.dll) dll=$(cd "$(dirname "$plugin")" && pwd)/$(basename "$plugin") ;;
  *) dll="$ULVAR_ROOT/build/win/bin/$plugin.dll" ;;
esac

bash tools/setup.sh >&2 || exit 1
source tools/build.sh
ulvar_build_windows >&2 || exit 1
win=build/win
[ -f "$dll" ] || { echo "play.sh: no plug-in $dll" >&2; exit 1; }

# The terminal's suspend character would take Ctrl+Z before the console sees it: off while the
# host runs, the terminal's settings put back afterwards.
terminal=$(stty -g)
finish() {
  stty "$terminal"
  wine_env_stop
}
source tools/wine-env.sh
trap finish EXIT
wine_env_start >&2 || exit 1

cd "$win/bin" || exit 1
stty susp undef
LANG=ru_RU.UTF-8 "$WINE_LOADER" ./ulvar-host.exe --lang ru "$@" "$dll"
