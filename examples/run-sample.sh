#!/usr/bin/env bash
# Adjusts the sample project (examples/sample: 16 stations around Fort Collins,
# Colorado, NAD 83, four control stations) on a fresh copy, with the console
# answers of examples/sample/answers.txt, and shows where the report is and its
# key figures.
#
# Usage: examples/run-sample.sh [folder]   (default: build/sample-run, made anew)
# NETADJ is taken from $NETADJ when set, else from build/bin, else from the path.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
sample="$root/examples/sample"
netadj="${NETADJ:-$root/build/bin/NETADJ}"
# An installed suite (the Debian package) has NETADJ on the path.
if [ ! -x "$netadj" ] && command -v NETADJ >/dev/null 2>&1; then netadj="$(command -v NETADJ)"; fi
if [ ! -x "$netadj" ]; then
  echo "NETADJ is not built yet: cmake -S . -B build -G Ninja && cmake --build build" >&2
  exit 1
fi

if [ $# -ge 1 ]; then
  work="$1"
  if [ -e "$work" ] && [ -n "$(ls -A "$work" 2>/dev/null)" ]; then
    echo "$work is not empty: name a new folder" >&2
    exit 1
  fi
else
  work="$root/build/sample-run"
  rm -rf "$work"
fi
mkdir -p "$work"
work="$(cd "$work" && pwd)"
cp "$sample/INFO.VEC" "$sample/KORVAL.INF" "$work/"

status=0
(cd "$work" && "$netadj" < "$sample/answers.txt" > console.txt) || status=$?
if [ "$status" -ne 0 ] || [ ! -f "$work/OUT.VEC" ]; then
  echo "NETADJ failed (exit status $status); its console:" >&2
  tr -d '\r' < "$work/console.txt" >&2
  exit 1
fi

report="$work/OUT.VEC"
figure() { tr -d '\r' < "$report" | grep -m1 "$1" | sed 's/^ *//'; }
echo "Sample project adjusted in $work"
echo "  report:              $report"
echo "  adjusted positions:  $work/VECTOR.GEO"
echo "  state plane listing: $work/VECTOR.COR"
echo "  console:             $work/console.txt"
echo
echo "Key figures:"
echo "  $(figure 'NUMBER OF STATIONS')"
echo "  $(figure 'NUMBER OF MEASUREMENTS')"
echo "  $(figure 'NETWORK PPM PRECISION')"
echo "  $(figure 'LARGEST 3-RESIDUAL')"
echo "  $(figure 'STANDARD ERROR OF UNIT WEIGHT') $(figure 'DEGREES OF FREEDOM')"
echo "  chi-square test: $(figure 'SIGNIFICANCE LEVEL')"
