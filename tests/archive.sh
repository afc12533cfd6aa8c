#!/bin/bash
# archive.sh ARCHIVE SOURCE SCRATCH [DEB | EMULATOR...]: checks an archive for any Linux as a
# user gets it: one folder named after itself with both programs (built for the processor its
# name says, with no program interpreter and no library needed), their manual pages (each
# shown by man -l from the folder) and the manual as text, the READMEs, the licence and the
# example; then runs every end-to-end case with both programs taken from the unpacked folder,
# under EMULATOR when given, or, given the Debian package DEB of the same processor, whose
# test runs them, finds its programs the same bytes.
set -eu
pkg=$1 src=$2 scratch=$3
shift 3
. "$(dirname "$0")/package.sh"
name=$(basename "$pkg" .tar.gz)
tops=$(tar -tzf "$pkg" | cut -d/ -f1 | sort -u | tr '\n' ' ')
[ "$tops" = "$name " ] || fail "$name.tar.gz does not unpack into one folder $name: $tops"
tar -xzf "$pkg" -C "$scratch"
dir=$scratch/$name
files=$(cd "$dir" && find . ! -type d | LC_ALL=C sort | tr '\n' ' ')
[ "$files" = "./LICENSE ./README.ja.md ./README.md ./dayplotw ./dayplotx ./examples/night.txt \
./man/ja/man1/dayplotw.1 ./man/ja/man1/dayplotx.1 ./man/man1/dayplotw.1 ./man/man1/dayplotx.1 \
./manual-ja.txt ./manual.txt " ] ||
    fail "$name holds $files"
for f in LICENSE README.md README.ja.md examples/night.txt; do
    cmp "$dir/$f" "$src/$f" || fail "$f is not the tree's"
done

case $name in
*-x86_64) cpu=x86-64 ;;
*-i686) cpu=i386 ;;
*-aarch64) cpu=aarch64 ;;
*-arm) cpu=arm-eabi5 ;;
*) fail "no check for $name" ;;
esac
programs_for $cpu "$dir"
for p in dayplotx dayplotw; do
    readelf -lW "$dir/$p" | grep -w INTERP && fail "$p needs a program interpreter"
    readelf -dW "$dir/$p" | grep "(NEEDED)" && fail "$p needs a library of the system"
done

pages_render "$dir" -l man/man1/PAGE.1
pages_render "$dir" -l man/ja/man1/PAGE.1
pages_japanese "$dir/man"
for f in manual.txt manual-ja.txt; do
    grep -q "^dayplot $version " "$dir/$f" || fail "$f is not the manual of $version as text"
done
for page in man/man1/dayplotx.1 man/ja/man1/dayplotx.1; do
    grep -q "dayplot $version" "$dir/$page" || fail "$page is not $version"
    grep -q "^\.I examples/night\.txt" "$dir/$page" || fail "$page does not name the example beside it"
done
if [ "${1-}" != "${1%.deb}" ]; then
    dpkg-deb -x "$1" "$scratch/deb"
    for p in dayplotx dayplotw; do
        cmp "$dir/$p" "$scratch/deb/usr/bin/$p" || fail "$p is not the one in $(basename "$1")"
    done
else
    run_cases "$dir" "$@"
fi

# the README's lines for the archive it names, as written: those of the x86_64 one, which
# this machine runs as a user's would
if [ "$cpu" = x86-64 ]; then
    readme_lines "tar -xzf dayplot-*-linux-x86_64.tar.gz"
    (cd "$scratch/download" && MANWIDTH=80 sh -ex "$scratch/lines" </dev/null) >"$scratch/readme" 2>&1 ||
        fail "$(tail -n 20 "$scratch/readme")
the README's lines for $name failed"
    readme_ran "$scratch/readme"
fi
