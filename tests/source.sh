#!/bin/bash
# source.sh TARBALL SOURCE SCRATCH: checks the release's sources: one folder dayplot-VERSION
# holding the tree's files (those git holds, where the tree is a git checkout) and nothing
# built; then, unpacked in a fresh folder, configured as on a machine with CMake and a
# compiler alone (GoogleTest hidden), built with the programs preset, installed into a
# scratch prefix, and every end-to-end case run with the installed programs.
set -eu
pkg=$1 src=$2 scratch=$3
. "$(dirname "$0")/package.sh"
top=dayplot-$version
[ "$(basename "$pkg")" = "$top.tar.gz" ] || fail "the sources are not named $top.tar.gz"
tar -tzf "$pkg" >"$scratch/entries"
grep -v "^$top/" "$scratch/entries" && fail "entries outside $top/"
sed "s|^$top/||" "$scratch/entries" | LC_ALL=C sort >"$scratch/have"
sh "$src/cmake/sources.sh" "$src" | diff - "$scratch/have" ||
    fail "the sources are not the tree's files (< tree, > archive)"
grep -E '(^|/)(build[^/]*|CMakeFiles)/|CMakeCache.txt' "$scratch/have" && fail "build output in the sources"

mkdir "$scratch/fresh"
tar -xzf "$pkg" -C "$scratch/fresh"
cd "$scratch/fresh/$top"
cmake -S . -B build -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$scratch/configure.log" 2>&1 ||
    fail "the configure failed: $(tail -n 20 "$scratch/configure.log")"
grep -q "Tests: off, as GoogleTest is not found" "$scratch/configure.log" ||
    fail "the configure does not say that the tests are off"
cmake --build --preset programs >"$scratch/build.log" 2>&1 ||
    fail "the build failed: $(tail -n 20 "$scratch/build.log")"
prefix=$scratch/prefix
cmake --install build --prefix "$prefix" >"$scratch/install.log" 2>&1 ||
    fail "the install failed: $(tail -n 20 "$scratch/install.log")"
installed=$(sed "s|^$prefix/||" build/install_manifest.txt | LC_ALL=C sort | tr '\n' ' ')
[ "$installed" = "bin/dayplotw bin/dayplotx share/doc/dayplot/changelog.gz \
share/doc/dayplot/copyright share/doc/dayplot/examples/night.txt share/man/ja/man1/dayplotw.1.gz \
share/man/ja/man1/dayplotx.1.gz share/man/man1/dayplotw.1.gz share/man/man1/dayplotx.1.gz " ] ||
    fail "the install lists $installed"
for f in $installed; do
    [ -s "$prefix/$f" ] || fail "the install lists $f, which is not there"
done
run_cases "$prefix/bin"
