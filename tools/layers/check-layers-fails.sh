#!/bin/bash
# Proves the layer check is not a formality: on a copy of the table and of
# one document header made to include a window header, it must fail and name
# the file, the line, the include and what the layer may use.
set -euo pipefail
root="${1:?usage: check-layers-fails.sh ROOT}"
copy="$(mktemp -d)"
trap 'rm -rf "$copy"' EXIT
mkdir -p "$copy/src/document"
cp "$root/src/layers.txt" "$copy/src/"
header="$copy/src/document/Document.h"
cp "$root/src/document/Document.h" "$header"
printf '#include "windows/main/TForm1.h"\n' >> "$header"
line=$(wc -l < "$header")

if out=$("$root/tools/layers/check-layers.sh" "$copy" 2>&1); then
    echo "the check passed a document header that includes a window:"; echo "$out"; exit 1
fi
want="src/document/Document.h:$line: includes \"windows/main/TForm1.h\", but document may use only: platform"
grep -qxF "$want" <<<"$out" || { echo "expected: $want"; echo "got: $out"; exit 1; }

# A table that lets a layer use one of its own level is refused as well.
cp "$root/src/document/Document.h" "$header"
sed -i 's/^document\( *\)1\( *\)platform$/document\11\2platform assets/' "$copy/src/layers.txt"
if out=$("$root/tools/layers/check-layers.sh" "$copy" 2>&1); then
    echo "the check passed a table where document uses assets, of its own level"; exit 1
fi
grep -q "document (level 1) may use assets (level 1)" <<<"$out" || { echo "got: $out"; exit 1; }
echo "the check refuses both"
