#!/usr/bin/env bash
# Start-up time of the designer: from the start of the program to the first
# painted canvas, with the sample art library and no update server, under Xvfb.
# Usage: scripts/startup-time.sh [RUNS] (default 10). Prints each run and the median.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-10}"
build="${BUILD_DIR:-$PWD/build}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
QT_QPA_PLATFORM=offscreen "$build/make-sample-data" "$work" >/dev/null
cd "$work"
times=()
for _ in $(seq "$runs"); do
  line="$(QUILLMARK_STARTUP_CLOCK=quit xvfb-run -a -s "-screen 0 1280x900x24" "$build/quillmark" 2>&1 \
          | grep -m1 'first canvas paint after' || true)"
  [ -n "$line" ] || { echo "the designer painted no canvas" >&2; exit 1; }
  echo "$line"
  times+=("$(echo "$line" | grep -o '[0-9]\+ ms' | grep -o '[0-9]\+')")
done
median="$(printf '%s\n' "${times[@]}" | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
echo "median: ${median} ms over ${runs} runs (target: under 300 ms)"
