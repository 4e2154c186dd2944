#!/bin/bash
# Reads every #include of every file under ROOT/src, whatever its extension,
# against the layer table ROOT/src/layers.txt and prints each one that
# crosses it as
#   src/<file>:<line>: includes "<header>", but <layer> may use only: <layers>
# with the header's place under src/ added when the include names it another
# way. Both forms count: "..." is sought beside the including file first,
# then under src/ (the one include folder); <...> under src/, and it is a
# system header when it is not found there and names no layer. A file in
# src/ itself is the program: it may use every layer, but no layer may use it,
# and nothing may reach outside src/.
# Exits 1 when it found any (or the table itself lets a layer use one of its
# level or above), 0 when every include keeps to the table.
set -euo pipefail
root="$(cd "${1:?usage: check-layers.sh ROOT}" && pwd)"
table="$root/src/layers.txt"
[ -f "$table" ] || { echo "no layer table at $table" >&2; exit 2; }

cd "$root"
files="$(mktemp)"
trap 'rm -f "$files"' EXIT
find src -type f > "$files"
grep -rnIE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"]' src |
awk -v table="$table" -v files="$files" '
function normalize(path,    n, parts, out, k, i, joined) {
    n = split(path, parts, "/"); k = 0
    for (i = 1; i <= n; i++) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] == "..") { if (k == 0) return "../" path; k--; continue }
        out[++k] = parts[i]
    }
    joined = ""
    for (i = 1; i <= k; i++) joined = joined (i > 1 ? "/" : "") out[i]
    return joined
}
# The layer of a place under the root: its folder under src/, "(program)"
# for a file in src/ itself, "(outside)" for anything else.
function layerOf(path,    n, parts) {
    n = split(path, parts, "/")
    if (parts[1] != "src") return "(outside)"
    return n == 2 ? "(program)" : parts[2]
}
BEGIN {
    while ((getline row < table) > 0) {
        if (row ~ /^[a-z]/) {
            n = split(row, f, /[ \t]+/)
            layer = f[1]; level[layer] = f[2] + 0; uses[layer] = ""
            for (i = 3; i <= n; i++) { may[layer, f[i]] = 1; uses[layer] = uses[layer] (i > 3 ? " " : "") f[i] }
            order[++count] = layer
        }
    }
    while ((getline path < files) > 0) exists[path] = 1
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
    from = layerOf(file)
    if (from != "(program)" && !(from in level)) { print file ":" line ": " from "/ is in no layer of " table; bad = 1; next }
    if (!match(text, /include[[:space:]]*("[^"]+"|<[^>]+>)/)) next
    spelled = substr(text, RSTART, RLENGTH); sub(/^include[[:space:]]*/, "", spelled)
    header = substr(spelled, 2, length(spelled) - 2)
    dir = file; sub(/\/[^\/]*$/, "", dir)
    first = header; sub(/\/.*$/, "", first)
    target = ""
    if (substr(spelled, 1, 1) == "\"") {
        beside = normalize(dir "/" header)
        if (header ~ /^\.\.?\// || (beside in exists)) target = beside
    }
    if (target == "") {
        underSrc = normalize("src/" header)
        if ((underSrc in exists) || (index(header, "/") > 0 && (first in level))) target = underSrc
        else next                                  # a system or generated header
    }
    to = layerOf(target)
    shown = "\"" header "\"" (target == "src/" header ? "" : " (" target ")")
    if (to == "(outside)") { print file ":" line ": includes " shown ", which is outside src/"; bad = 1; next }
    if (from == "(program)" || to == from) next
    if (to == "(program)") {
        print file ":" line ": includes " shown ", a file of the program itself, but " from " may use only: " (uses[from] == "" ? "(nothing)" : uses[from])
        bad = 1; next
    }
    if (!(to in level)) { print file ":" line ": includes " shown ", which is in no layer of " table; bad = 1; next }
    if (!((from, to) in may)) {
        print file ":" line ": includes " shown ", but " from " may use only: " (uses[from] == "" ? "(nothing)" : uses[from])
        bad = 1
    }
}
END { exit bad }'
