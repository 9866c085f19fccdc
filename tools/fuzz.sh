#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer
# (build/fuzz) and runs each for SECONDS (60 by default), starting from its seed corpus in the
# repository. New inputs go to build/fuzz/corpora/TARGET, crashes and their reproducers to
# build/fuzz/crashes/. Prints a line per target: executions, coverage, and any crash.
# JOBS targets run at the same time (1 by default); each is one process on one core.
#   bash tools/fuzz.sh [SECONDS [JOBS]]
set -uo pipefail

ULVAR_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$ULVAR_ROOT" || exit 1
seconds=${1:-60}
jobs=${2:-1}
[[ "$seconds" =~ ^[0-9]+$ ]] || { echo "fuzz.sh: SECONDS must be a whole number" >&2; exit 2; }
[[ "$jobs" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz.sh: JOBS must be a whole number above 0" >&2; exit 2; }

bash tools/setup.sh --fuzz >&2 || exit 1
build=build/fuzz
mkdir -p "$build"
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DULVAR_FUZZ=ON \
  -DULVAR_SANITIZE=ON >"$build.configure.log" 2>&1 || { cat "$build.configure.log" >&2; exit 1; }
cmake --build "$build" --target fuzzers -j "$(nproc)" >&2 || exit 1

crashes=$build/crashes
mkdir -p "$crashes"
# Runs one target and leaves its table line (and the first lines of any sanitizer report) in
# $build/NAME.result; the exit status says whether it crashed.
run_target() {
  local name=$1 corpus=$2
  local work=$build/corpora/$name log=$build/$name.log result=$build/$name.result
  mkdir -p "$work"
  # Found inputs stay in the build's corpus; the seeds in the repository are read, not changed.
  "$build/fuzzers/$name" "$work" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
    -timeout=10 -rss_limit_mb=2048 -artifact_prefix="$crashes/$name-" >"$log" 2>&1
  local code=$?
  local runs status cov ft outcome=ok
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  status=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$status")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$status")
  if [ "$code" -ne 0 ]; then
    local reproducer
    reproducer=$(sed -n 's/.*Test unit written to \(.*\)$/\1/p' "$log" | tail -n 1)
    outcome="CRASH (exit $code): ${reproducer:-see $log}"
  fi
  printf '%-24s %12s %8s %8s  %s\n' "$name" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$outcome" >"$result"
  if [ "$code" -ne 0 ]; then
    grep -m 3 -E 'ERROR|runtime error|SUMMARY' "$log" | sed 's/^/    /' >>"$result"
    return 1
  fi
}

names=()
while read -r name corpus; do
  [ -n "$name" ] || continue
  names+=("$name")
  rm -f "$build/$name.result"
  while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do
    wait -n
  done
  run_target "$name" "$corpus" </dev/null &
done <"$build/fuzzers.txt"
wait

failed=0
printf '%-24s %12s %8s %8s  %s\n' target executions cov features result
for name in "${names[@]}"; do
  if [ -f "$build/$name.result" ]; then
    cat "$build/$name.result"
    grep -q ' CRASH ' "$build/$name.result" && failed=$((failed + 1))
  else
    printf '%-24s %12s %8s %8s  %s\n' "$name" ? ? ? "no result (see $build/$name.log)"
    failed=$((failed + 1))
  fi
done

echo
if [ "$failed" -ne 0 ]; then
  echo "$failed target(s) crashed; reproduce with: $build/fuzzers/TARGET REPRODUCER"
  exit 1
fi
echo "every target ran ${seconds} s without a crash"
