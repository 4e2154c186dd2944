#!/usr/bin/env bash
# Runs one shard of the core tests built by the Clang sub-build with
# AddressSanitizer and UndefinedBehaviorSanitizer, leak checking on:
#   fuzz/core-tests.sh BUILD_DIR SHARD SHARDS [gtest options]
# Exits 77 (a skip for CTest) when the sub-build made no test program.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")" && pwd)"
build_dir="$1" shard="$2" shards="$3"
shift 3
program="$build_dir/quillmark_san_core_tests"
[ -x "$program" ] || { echo "$program not built: skipped."; exit 77; }

export GTEST_SHARD_INDEX="$shard" GTEST_TOTAL_SHARDS="$shards"
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}"
export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$source_dir/lsan.supp:print_suppressions=0}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
export QT_QPA_PLATFORM=offscreen
exec "$program" "$@"
