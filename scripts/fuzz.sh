#!/usr/bin/env bash
# Runs every libFuzzer harness of fuzz/ for N seconds each (default 60),
# building the Clang sub-build first, and prints per harness the executions,
# inputs per second and findings:
#   scripts/fuzz.sh [N] [harness ...]
# Findings and the grown corpora stay in build/fuzz/runs/<harness>/.
set -uo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
build_dir="${QM_FUZZ_BUILD_DIR:-build/fuzz}"

bash fuzz/build.sh "$build_dir" >"$build_dir.log" 2>&1
case $? in
  0) ;;
  77) tail -3 "$build_dir.log"; exit 0 ;;
  *) tail -30 "$build_dir.log"; exit 1 ;;
esac

if [ $# -gt 0 ]; then
  harnesses=("$@")
else
  harnesses=()
  for f in fuzz/*.cpp; do harnesses+=("$(basename "$f" .cpp)"); done
fi
failed=0
for name in "${harnesses[@]}"; do
  bash fuzz/run.sh "$build_dir" "$name" "$seconds" || failed=1
done
exit $failed
