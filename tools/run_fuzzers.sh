#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a given time.
#   tools/run_fuzzers.sh [seconds per target] [target ...]
# Every finding (crash, hang, out-of-memory, sanitizer report) stops the run of
# its target, leaves the input in build-fuzz/findings/ and makes this script
# fail. Seeds come from fuzz/corpus/<target>/; what the fuzzer learns goes to
# build-fuzz/corpus/<target>/ (never committed).
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVAL_BUILD_FUZZERS=ON \
  -DKORVAL_BUILD_TESTS=OFF -DKORVAL_BUILD_BENCHMARKS=OFF >/dev/null || exit 1
cmake --build build-fuzz -j2 || exit 1
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for exe in build-fuzz/fuzz/*_fuzz; do targets+=("$(basename "$exe" _fuzz)"); done
fi
mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
  work=build-fuzz/corpus/$target
  mkdir -p "$work"
  seeds=fuzz/corpus/$target
  [ -d "$seeds" ] || seeds=""
  echo "=== $target: ${seconds}s"
  if ! build-fuzz/fuzz/${target}_fuzz "$work" $seeds -max_total_time="$seconds" -timeout=5 -rss_limit_mb=2048 \
      -max_len=65536 -artifact_prefix=build-fuzz/findings/${target}- -print_final_stats=1 2>build-fuzz/${target}.log; then
    echo "!!! $target: finding, see build-fuzz/${target}.log and build-fuzz/findings/"
    tail -n 30 build-fuzz/${target}.log
    failed=1
  else
    grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" build-fuzz/${target}.log | tr '\n' ' '
    echo "  $(grep -oE 'cov: [0-9]+' build-fuzz/${target}.log | tail -n 1)"
  fi
done
exit $failed
