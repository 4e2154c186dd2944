#!/usr/bin/env bash
# Configures and builds the fuzz harnesses with Clang into BUILD_DIR.
# Exits 77 (a skip for CTest) when Clang or its libFuzzer runtime is missing.
set -euo pipefail
source_dir="$(cd "$(dirname "$0")" && pwd)"
build_dir="${1:?usage: fuzz/build.sh BUILD_DIR}"
jobs="${QM_FUZZ_JOBS:-2}"

cxx="${QM_FUZZ_CXX:-}"
if [ -z "$cxx" ]; then
  for candidate in clang++ clang++-14; do
    if command -v "$candidate" >/dev/null; then cxx="$(command -v "$candidate")"; break; fi
  done
fi
if [ -z "$cxx" ]; then
  echo "No clang++ found: the fuzz harnesses are skipped."
  exit 77
fi
probe="$(mktemp -d)"
trap 'rm -rf "$probe"' EXIT
printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char *, unsigned long) { return 0; }\n' >"$probe/p.cpp"
if ! "$cxx" -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>"$probe/err"; then
  echo "$cxx cannot link libFuzzer with the sanitizers (runtime package missing?): skipped."
  cat "$probe/err"
  exit 77
fi

launcher=()
if command -v ccache >/dev/null && [ -z "${CCACHE_DISABLE:-}" ]; then
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S "$source_dir" -B "$build_dir" -DCMAKE_CXX_COMPILER="$cxx" "${launcher[@]}" >/dev/null
fi
cmake --build "$build_dir" -j"$jobs"
