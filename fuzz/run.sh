#!/usr/bin/env bash
# Runs one harness of BUILD_DIR for SECONDS over a copy of its seed corpus:
#   fuzz/run.sh BUILD_DIR NAME SECONDS
# New inputs and findings (crash-*, leak-*, timeout-*, oom-*) go to
# BUILD_DIR/runs/NAME/; the last line printed sums the run up. Exits 77 when
# the harness was not built, 1 when something was found.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")" && pwd)"
build_dir="$1" name="$2" seconds="$3"
harness="$build_dir/quillmark_fuzz_$name"
[ -x "$harness" ] || { echo "$harness not built: skipped."; exit 77; }

work="$build_dir/runs/$name"
rm -rf "$work/findings"
mkdir -p "$work/corpus" "$work/findings"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
status=0
"$harness" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 \
  -artifact_prefix="$work/findings/" "$work/corpus" "$source_dir/corpus/$name" >"$work/log" 2>&1 || status=$?

runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log" | tail -1)"
speed="$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log" | tail -1)"
# Slow inputs are reported (slow-unit-*) but are no finding.
findings="$(find "$work/findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)"
printf '%-16s %10s runs %8s inputs/s %3s findings\n' "$name" "${runs:-0}" "${speed:-0}" "$findings"
if [ "$status" -ne 0 ] || [ "$findings" -ne 0 ]; then
  tail -40 "$work/log"
  exit 1
fi
