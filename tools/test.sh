#!/usr/bin/env bash
# Sets everything up on a fresh machine, builds both targets and runs every test: natively with the
# sanitizers, then the Windows build under Wine. Ends with "N passed, N failed".
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1

bash tools/setup.sh || { echo "setup failed"; exit 1; }

source tools/build.sh
jobs=$(nproc)
native=build/native
win=build/win

echo "== Native build (sanitizers)"
ulvar_build "$native" -DCMAKE_BUILD_TYPE=Debug -DULVAR_SANITIZE=ON || { echo "native build failed"; exit 1; }
echo "== Windows build"
ulvar_build_windows || { echo "Windows build failed"; exit 1; }

passed=0
failed=0
count() { # ctest log
  local line p t
  line=$(grep -E '[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n 1)
  if [ -z "$line" ]; then
    failed=$((failed + 1))
    return
  fi
  t=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
  p=$(sed -E 's/.*, ([0-9]+) tests? failed.*/\1/' <<<"$line")
  passed=$((passed + t - p))
  failed=$((failed + p))
}

echo "== Native tests"
ctest --test-dir "$native" --output-on-failure -j "$jobs" 2>&1 | tee build/native-tests.log
count build/native-tests.log

echo "== Windows tests under Wine"
source tools/wine-env.sh
trap wine_env_stop EXIT
wine_env_start || { echo "Wine did not start"; exit 1; }
LANG=ru_RU.UTF-8 LC_ALL=ru_RU.UTF-8 ctest --test-dir "$win" --output-on-failure -j "$jobs" 2>&1 |
  tee build/win-tests.log
count build/win-tests.log
wine_env_stop
trap - EXIT

echo
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
