#!/bin/bash
# Reads every #include "..." of the sources under ROOT/src against the layer
# table ROOT/src/layers.txt and prints each one that crosses it as
#   src/<file>:<line>: includes "<header>", but <layer> may use only: <layers>
# Exits 1 when it found any (or the table itself lets a layer use one of its
# level or above), 0 when every include keeps to the table.
set -euo pipefail
root="${1:?usage: check-layers.sh ROOT}"
table="$root/src/layers.txt"
[ -f "$table" ] || { echo "no layer table at $table" >&2; exit 2; }

cd "$root"
grep -rnE --include='*.h' --include='*.cpp' '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' src |
awk -v table="$table" '
BEGIN {
    while ((getline row < table) > 0) {
        if (row ~ /^[a-z]/) {
            n = split(row, f, /[ \t]+/)
            layer = f[1]; level[layer] = f[2] + 0; uses[layer] = ""
            for (i = 3; i <= n; i++) { may[layer, f[i]] = 1; uses[layer] = uses[layer] (i > 3 ? " " : "") f[i] }
            order[++count] = layer
        }
    }
    for (i = 1; i <= count; i++)
        for (key in may) {
            split(key, pair, SUBSEP)
            if (pair[1] == order[i] && !(pair[2] in level)) { print table ": " order[i] " may use " pair[2] ", which is no layer"; bad = 1 }
            else if (pair[1] == order[i] && level[pair[2]] >= level[order[i]]) {
                print table ": " order[i] " (level " level[order[i]] ") may use " pair[2] " (level " level[pair[2]] "), which is not below it"; bad = 1
            }
        }
}
{
    # src/<folder>/.../<file>:<line>:<text>
    colon = index($0, ":"); file = substr($0, 1, colon - 1); rest = substr($0, colon + 1)
    colon = index(rest, ":"); line = substr(rest, 1, colon - 1); text = substr(rest, colon + 1)
    if (split(file, parts, "/") < 3) next                 # the program itself uses every layer
    from = parts[2]
    if (!(from in level)) { print file ":" line ": " from "/ is in no layer of " table; bad = 1; next }
    match(text, /"[^"]+"/); header = substr(text, RSTART + 1, RLENGTH - 2)
    slash = index(header, "/"); if (slash == 0) next
    to = substr(header, 1, slash - 1)
    if (to == from || !(to in level)) next
    if (!((from, to) in may)) {
        print file ":" line ": includes \"" header "\", but " from " may use only: " (uses[from] == "" ? "(nothing)" : uses[from])
        bad = 1
    }
}
END { exit bad }'
