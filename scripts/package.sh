#!/usr/bin/env bash
# Builds the programs and the installed files and packs them as a Debian
# package: build/quillmark_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target quillmark quillmark-script sample_library man_pages
(cd build && cpack -G DEB)
ls build/quillmark_*.deb
