#!/bin/bash
# Proves the layer check is not a formality: on a copy of the table and of a
# few sources, each way of crossing a layer (both include forms, paths through
# "." and "..", a header of src/ itself, a file of any extension, a file of
# src/ itself reaching outside) must fail and name the file, the line and the
# include; the includes a layer may make must pass.
set -euo pipefail
root="${1:?usage: check-layers-fails.sh ROOT}"
copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT
failures=0

fresh() {
    rm -rf "$copy/src"
    mkdir -p "$copy/src/document" "$copy/src/windows/main" "$copy/src/platform"
    cp "$root/src/layers.txt" "$copy/src/"
    cp "$root/src/document/Document.h" "$copy/src/document/Document.h"
    printf '#pragma once\n' > "$copy/src/windows/main/TForm1.h"
    printf '#pragma once\n' > "$copy/src/platform/Plain.h"
    printf '#pragma once\n' > "$copy/src/Program.h"
}

# file under src/ | line appended to it | what the check must print ("" = it must pass)
cases=(
    'document/Document.h|#include "windows/main/TForm1.h"|includes "windows/main/TForm1.h", but document may use only: platform'
    'document/Document.h|#include <windows/main/TForm1.h>|includes "windows/main/TForm1.h", but document may use only: platform'
    'document/Document.h|  #  include   <windows/main/TForm1.h>|includes "windows/main/TForm1.h", but document may use only: platform'
    'document/Document.h|#include "../windows/main/TForm1.h"|includes "../windows/main/TForm1.h" (src/windows/main/TForm1.h), but document may use only: platform'
    'document/Document.h|#include "./../platform/../windows/main/TForm1.h"|includes "./../platform/../windows/main/TForm1.h" (src/windows/main/TForm1.h), but document may use only: platform'
    'document/Document.h|#include "platform/../windows/main/TForm1.h"|includes "platform/../windows/main/TForm1.h" (src/windows/main/TForm1.h), but document may use only: platform'
    'document/Inline.inl|#include "windows/main/TForm1.h"|includes "windows/main/TForm1.h", but document may use only: platform'
    'document/notes|#include "windows/main/TForm1.h"|includes "windows/main/TForm1.h", but document may use only: platform'
    'document/Document.h|#include "../Program.h"|includes "../Program.h" (src/Program.h), a file of the program itself, but document may use only: platform'
    'document/Document.h|#include <Program.h>|includes "Program.h", a file of the program itself, but document may use only: platform'
    'Program.h|#include "../tests/support/Fixture.h"|includes "../tests/support/Fixture.h" (tests/support/Fixture.h), which is outside src/'
    'document/Document.h|#include "../../outside.h"|includes "../../outside.h" (outside.h), which is outside src/'
    'Program.h|#include "windows/main/TForm1.h"|'
    'document/Document.h|#include "../platform/Plain.h"|'
    'document/Document.h|#include <platform/Plain.h>|'
    'document/Document.h|#include "Document.h"|'
    'document/Document.h|#include <vector>|'
    'document/Document.h|#include <zlib.h>|'
)

for entry in "${cases[@]}"; do
    IFS='|' read -r file include want <<<"$entry"
    fresh
    printf '%s\n' "$include" >> "$copy/src/$file"
    line=$(wc -l < "$copy/src/$file")
    if out=$("$root/tools/layers/check-layers.sh" "$copy" 2>&1); then
        [ -z "$want" ] && continue
        echo "passed, but should fail: src/$file: $include"; failures=$((failures + 1)); continue
    fi
    if [ -z "$want" ]; then
        echo "failed, but should pass: src/$file: $include"; echo "$out"; failures=$((failures + 1)); continue
    fi
    expected="src/$file:$line: $want"
    grep -qxF "$expected" <<<"$out" || { echo "expected: $expected"; echo "got: $out"; failures=$((failures + 1)); }
done

# A table that lets a layer use one of its own level is refused as well.
fresh
sed -i 's/^document\( *\)1\( *\)platform$/document\11\2platform assets/' "$copy/src/layers.txt"
if out=$("$root/tools/layers/check-layers.sh" "$copy" 2>&1); then
    echo "the check passed a table where document uses assets, of its own level"; failures=$((failures + 1))
else
    grep -q "document (level 1) may use assets (level 1)" <<<"$out" || { echo "got: $out"; failures=$((failures + 1)); }
fi

[ "$failures" -eq 0 ] || { echo "$failures of the cases went wrong"; exit 1; }
echo "the check catches every form and passes what the table allows (${#cases[@]} cases)"
