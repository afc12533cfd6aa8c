#!/bin/sh
# docs.sh SOURCE SCRATCH: each Japanese document keeps in step with its English one: the same
# versions named and, for the READMEs, the same command lines (code blocks' lines, in order).
set -u
src=$1 scratch=$2
mkdir -p "$scratch"
status=0
versions() {
    v=$(grep -oE '[0-9]+\.[0-9]+\.[0-9]+' "$src/$1" | sort -u | tr '\n' ' ')
    echo ${v:-none}
}
commands() {
    awk '/^```/ { fenced = !fenced; next } fenced || /^    / { print }' "$src/$1"
}
for pair in README.md:README.ja.md doc/README-windows.txt:doc/ja/README-windows.txt \
    doc/dayplotx.1.in:doc/ja/dayplotx.1.in; do
    en=${pair%:*} ja=${pair#*:}
    [ "$(versions "$en")" = "$(versions "$ja")" ] || {
        echo "$ja names version $(versions "$ja") where $en names $(versions "$en")"
        status=1
    }
done
commands README.md >"$scratch/en"
commands README.ja.md >"$scratch/ja"
diff -u "$scratch/en" "$scratch/ja" >"$scratch/diff" || {
    echo "README.ja.md's command lines differ from README.md's:" && cat "$scratch/diff"
    status=1
}
exit $status
