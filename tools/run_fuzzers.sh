#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time.
#   tools/run_fuzzers.sh [seconds per target] [target ...]
# Two targets run at a time (KORVAL_FUZZ_JOBS=n for another number). The build
# tree is build-fuzz/ (KORVAL_FUZZ_BUILD=dir for another one, for example a
# sanitizer tree configured with -DKORVAL_BUILD_FUZZERS=ON; an existing tree is
# built as it is configured).
# Every finding (crash, hang, out-of-memory, sanitizer report) stops the run of
# its target, leaves the input in <build>/findings/ and makes this script fail.
# Seeds come from fuzz/corpus/<target>/; what the fuzzer learns goes to
# <build>/corpus/<target>/ (never committed).
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
build=${KORVAL_FUZZ_BUILD:-build-fuzz}
jobs=${KORVAL_FUZZ_JOBS:-2}
if [ ! -f "$build/CMakeCache.txt" ]; then
  CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" \
    -DKORVAL_BUILD_FUZZERS=ON -DKORVAL_BUILD_TESTS=OFF -DKORVAL_BUILD_BENCHMARKS=OFF >/dev/null || exit 1
fi
cmake --build "$build" -j2 || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in "$build"/fuzz/*_fuzz; do targets+=("$(basename "$exe" _fuzz)"); done
fi
mkdir -p "$build/findings"

# Runs one target; prints its summary, and returns non-zero on a finding.
run_target() {
  local target=$1 work=$build/corpus/$1 seeds=fuzz/corpus/$1 log=$build/$1.log
  mkdir -p "$work"
  [ -d "$seeds" ] || seeds=""
  if ! "$build/fuzz/${target}_fuzz" "$work" $seeds -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -max_len=65536 -artifact_prefix="$build/findings/${target}-" -print_final_stats=1 2>"$log"; then
    echo "!!! $target: finding, see $log and $build/findings/"
    tail -n 30 "$log"
    return 1
  fi
  echo "=== $target (${seconds}s): $(grep -E '^stat::number_of_executed_units' "$log" | awk '{print $2}') runs," \
       "peak $(grep -E '^stat::peak_rss_mb' "$log" | awk '{print $2}') MB, $(grep -oE 'cov: [0-9]+' "$log" | tail -n 1)"
}

failed=0
running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$jobs" ]; then
    wait -n || failed=1
    running=$((running - 1))
  fi
  run_target "$target" &
  running=$((running + 1))
done
while [ "$running" -gt 0 ]; do
  wait -n || failed=1
  running=$((running - 1))
done
exit $failed
