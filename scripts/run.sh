#!/usr/bin/env bash
# Builds the designer, prepares the sample art library and starts the designer in it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
sample="$PWD/build/sample"
if [ ! -f "$sample/UO0.CORE" ]; then
  QT_QPA_PLATFORM=offscreen ./build/make-sample-data "$sample"
fi
cd "$sample"
exec "$OLDPWD/build/quillmark" "$@"
