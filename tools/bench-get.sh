#!/usr/bin/env bash
# The transfer benchmark: builds cobwen-get in the Release Windows build (build/win unless BUILD is
# set), starts the Wine environment (a warm wineserver and a virtual display) and runs
# bench/transfer/bench_get.py, which fetches 20 MB from a loopback server on 127.0.0.1:80 with
# cobwen-get and with curl and prints both times and their ratio. Run it as root (port 80).
# usage: tools/bench-get.sh [bench_get.py options, e.g. --runs 5]
set -euo pipefail

ULVAR_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD:-$ULVAR_ROOT/build/win}"

# shellcheck source=tools/build.sh
source "$ULVAR_ROOT/tools/build.sh"
ulvar_build "$build" -DCMAKE_TOOLCHAIN_FILE="$ULVAR_ROOT/cmake/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=Release

# shellcheck source=tools/wine-env.sh
source "$ULVAR_ROOT/tools/wine-env.sh"
trap wine_env_stop EXIT
wine_env_start
python3 "$ULVAR_ROOT/bench/transfer/bench_get.py" --program "$build/bin/cobwen-get.exe" \
  --emulator "$WINE_LOADER" "$@"
