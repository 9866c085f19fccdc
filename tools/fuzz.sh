#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# (build/fuzz) and runs each for SECONDS (60 by default), starting from its seed corpus in the
# repository. New inputs go to build/fuzz/corpora/TARGET, crashes and their reproducers to
# build/fuzz/crashes/. Prints a line per target: executions, coverage, and any crash.
#   bash tools/fuzz.sh [SECONDS]
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1
seconds=${1:-60}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: SECONDS must be a whole number" >&2; exit 2; }

bash tools/setup.sh --fuzz >&2 || exit 1
build=build/fuzz
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULVAR_FUZZ=ON \
  -DULVAR_SANITIZE=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" --target fuzzers -j "$(nproc)" >&2 || exit 1

crashes=$build/crashes
mkdir -p "$crashes"
failed=0
printf '%-24s %12s %8s %8s  %s\n' target executions cov features result
while read -r name corpus; do
  [ -n "$name" ] || continue
  work=$build/corpora/$name
  mkdir -p "$work"
  log=$build/$name.log
  # Found inputs stay in the build's corpus; the seeds in the repository are read, not changed.
  "$build/fuzzers/$name" "$work" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$crashes/$name-" >"$log" 2>&1
  code=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  status=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
  result=ok
  if [ "$code" -ne 0 ]; then
    failed=$((failed + 1))
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    result="CRASH (exit $code): ${reproducer:-see $log}"
  fi
  printf '%-24s %12s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$result"
  if [ "$code" -ne 0 ]; then
    grep -m 3 -E 'ERROR|runtime error|SUMMARY' "$log" | sed 's/^/    /'
  fi
done <"$build/fuzzers.txt"

echo
if [ "$failed" -ne 0 ]; then
  echo "$failed target(s) crashed; reproduce with: $build/fuzzers/TARGET REPRODUCER"
  exit 1
fi
echo "every target ran ${seconds} s without a crash"
