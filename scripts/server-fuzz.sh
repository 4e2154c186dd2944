#!/usr/bin/env bash
# Differential fuzzing with the Sphere server as the judge: makes N random
# designs (every kind, random fields, hostile texts and event lines; a third
# of them with script logic: IF/ELIF/ELSE, FOR and WHILE loops over relative
# places, DOSWITCH/DORAND, BEGIN…END, RETURN 0, LOCAL values, computed fields, compared with the static design the
# generator says the server lays out), exports each, lets the server lay
# them out, presses every reply and the close, and compares what it sends
# and what ran with the designer's model. Prints the
# count of designs, of refused ones (judged without the elements the check
# names as the cause), of differences the check names per field and of silent
# differences, which must be 0, and of buttons pressed and replies matched:
#   scripts/server-fuzz.sh [N] [SEED]     (default 10000 designs; the seed
#                                          defaults to one made of the commit)
# The designs of a seed are always the same; failing ones are printed whole.
set -euo pipefail
cd "$(dirname "$0")/.."
count="${1:-10000}"
[ -n "${2:-}" ] && export QM_SERVER_FUZZ_SEED="$2"

bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quillmark_sphere_tests sample_library >/dev/null
bash tools/sphere-server/build-server.sh ../shared/sphere-server/Source-X-92ced0b.tar.xz build/sphere-server

start=$(date +%s.%N)
status=0
QM_SERVER_FUZZ_DESIGNS="$count" QT_QPA_PLATFORM=offscreen \
  build/tests/quillmark_sphere_tests --gtest_filter='ServerEquivalence.RandomDesigns*' >build/server-fuzz.log 2>&1 \
  || status=$?
end=$(date +%s.%N)
grep -E '^seed [0-9]+' build/server-fuzz.log || true
if ! summary=$(grep -E '^designs [0-9]+' build/server-fuzz.log); then
  tail -40 build/server-fuzz.log
  exit 1
fi
echo "$summary"
# Refused designs are reported apart; the rate counts the designs exported whole.
refused=$(sed -E 's/.*refused ([0-9]+).*/\1/' <<<"$summary")
echo "refused designs: $refused of $count"
awk -v s="$start" -v e="$end" -v n="$count" -v r="$refused" \
  'BEGIN { printf "%.1f s, %.0f designs judged per second (refused ones not counted)\n", e - s, (n - r) / (e - s) }'
[ "$status" -eq 0 ] || echo "Silent differences: see build/server-fuzz.log"
exit "$status"
