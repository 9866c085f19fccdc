#!/usr/bin/env bash
# Sets everything up, builds the Windows binaries and runs the main job under Wine. Until the
# browser's window exists, that is `cobwen-cat` reading the catalogue shipped beside the programs:
#   bash tools/run.sh [cobwen-cat arguments...]     (default: the shipped plugins.dat.gz)
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1

bash tools/setup.sh >&2 || exit 1
source tools/build.sh
ulvar_build_windows >&2 || exit 1
win=build/win

source tools/wine-env.sh
trap wine_env_stop EXIT
wine_env_start >&2 || exit 1

if [ $# -eq 0 ]; then
  set -- "$win/bin/plugins.dat.gz"
fi
LANG=ru_RU.UTF-8 "$WINE_LOADER" "$win/bin/cobwen-cat.exe" "$@"
