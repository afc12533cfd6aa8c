#!/bin/sh
# docs.sh SOURCE SCRATCH: the documents keep in step. The version is CMakeLists.txt's alone:
# the changelog's newest entry is that version, and no document names one by hand. Each pair
# of the two languages (the READMEs, the manual pages, the Windows READMEs) has the same
# command lines in the same order; every message the end-to-end cases show the programs
# write is in both manual pages, and every message a document quotes is one of them. Every
# ctest line a document gives fails when it finds no test.
set -u
src=$1 scratch=$2
mkdir -p "$scratch"
status=0
bad() {
    echo "$*"
    status=1
}
project=$(sed -n 's/^project(dayplot VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
changelog=$(sed -n '1s/^dayplot (\([^)]*\)).*/\1/p' "$src/doc/changelog")
[ "$changelog" = "$project" ] ||
    bad "doc/changelog's newest entry is version '$changelog' where CMakeLists.txt's is $project"
# text FILE: FILE's words as a reader sees them, roff's escapes for -, \, blanks and fonts undone
text() {
    sed -e 's/\\-/-/g; s/\\e/\\/g; s/\\ / /g; s/\\f[BIRP]//g; s/\\&//g' "$src/$1"
}
# commands FILE: the lines a reader types or sees typed: a manual page's no-fill blocks, a
# README's indented and fenced lines
commands() {
    case $1 in
    *.1.in) awk '/^\.(nf|EX)/ { on = 1; next } /^\.(fi|EE)/ { on = 0 } on' "$src/$1" ;;
    *) awk '/^```/ { fenced = !fenced; next } fenced || /^    / { print }' "$src/$1" ;;
    esac
}
for pair in README.md:README.ja.md doc/dayplotx.1.in:doc/ja/dayplotx.1.in \
    doc/README-windows.txt:doc/ja/README-windows.txt; do
    en=${pair%:*} ja=${pair#*:}
    commands "$en" >"$scratch/en"
    commands "$ja" >"$scratch/ja"
    [ -s "$scratch/en" ] || bad "$en has no command lines to compare"
    diff -u "$scratch/en" "$scratch/ja" >"$scratch/diff" ||
        bad "$ja's command lines differ from $en's:
$(cat "$scratch/diff")"
done

# the messages, as the end-to-end cases expect the programs to end with them
for f in "$src"/tests/golden/*/out.x "$src"/tests/golden/*/err.x; do
    [ -f "$f" ] && tail -n 1 "$f" | grep -oE '[A-Za-z][A-Za-z ]*\.( -?[0-9]+)?$'
done | sort -u >"$scratch/messages"
[ -s "$scratch/messages" ] || { bad "no end-to-end case ends with a message" && exit 1; }
while read -r m; do
    for page in doc/dayplotx.1.in doc/ja/dayplotx.1.in; do
        text "$page" | grep -qF "$m" || bad "$page does not give the message \"$m\""
    done
done <"$scratch/messages"
# what looks like one: the first two words of a message, up to a full stop and its number
starts=$(cut -d' ' -f1,2 "$scratch/messages" | sort -u | paste -sd'|' -)
for doc in README.md README.ja.md BUILDING.md CONTRIBUTING.md doc/releasing.md \
    doc/dayplotx.1.in doc/ja/dayplotx.1.in doc/README-windows.txt doc/ja/README-windows.txt; do
    [ -f "$src/$doc" ] || { bad "$doc is missing" && continue; }
    v=$(grep -oE '(^|[^0-9.])[0-9]+[.][0-9]+[.][0-9]+' "$src/$doc" | grep -oE '[0-9.]+$' | sort -u | paste -sd' ' -)
    [ -z "$v" ] || bad "$doc names version $v by hand: name none (dayplot_*_amd64.deb) or let the build fill in @PROJECT_VERSION@"
    grep -n "ctest --" "$src/$doc" | grep -v -e "--no-tests=error" >"$scratch/ctest" &&
        bad "$doc gives a ctest line that passes when it finds no test: $(head -n 1 "$scratch/ctest")"
    text "$doc" | grep -oE "($starts)[^.\`\"]*\.( -?[0-9]+)?" | sort -u >"$scratch/quoted"
    grep -vxF -f "$scratch/messages" "$scratch/quoted" >"$scratch/unknown" &&
        bad "$doc quotes messages that no end-to-end case shows: $(paste -sd'|' "$scratch/unknown")"
done
exit $status
