#!/bin/bash
# source.sh TARBALL SOURCE SCRATCH: checks the release's sources: one folder dayplot-VERSION
# holding the tree's files (those git holds, where the tree is a git checkout) and nothing
# built; then, unpacked in a fresh folder, configured plainly with GoogleTest (the tests on)
# and as on a machine with CMake and a compiler alone (GoogleTest hidden: the tests off),
# built with the programs preset, installed into a scratch prefix, and every end-to-end case
# run with the installed programs.
set -eu
pkg=$1 src=$2 scratch=$3
. "$(dirname "$0")/package.sh"
top=dayplot-$version
[ "$(basename "$pkg")" = "$top.tar.gz" ] || fail "the sources are not named $top.tar.gz"
tar -tzf "$pkg" >"$scratch/entries"
grep -v "^$top/" "$scratch/entries" && fail "entries outside $top/"
sed "s|^$top/||" "$scratch/entries" | LC_ALL=C sort >"$scratch/have"
# the tree's files listed here, not as the archive was packed: all but .git, the build folders
# and, in a git checkout, what git ignores; a file git does not hold stops a release
(cd "$src" && find . \( -path ./.git -o -path './build*' \) -prune -o ! -type d -print) |
    sed 's|^\./||' | LC_ALL=C sort >"$scratch/tree"
if [ -e "$src/.git" ]; then
    git -C "$src" check-ignore --stdin <"$scratch/tree" >"$scratch/ignored" || true
    LC_ALL=C comm -23 "$scratch/tree" "$scratch/ignored" >"$scratch/kept" && mv "$scratch/kept" "$scratch/tree"
fi
[ -s "$scratch/tree" ] || fail "no file found in $src"
diff "$scratch/tree" "$scratch/have" ||
    fail "the sources are not the tree's files (< tree, > archive); a file git does not hold is to be committed or removed first"
grep -E '(^|/)(build[^/]*|CMakeFiles)/|CMakeCache.txt' "$scratch/have" && fail "build output in the sources"

mkdir "$scratch/fresh"
tar -xzf "$pkg" -C "$scratch/fresh"
cd "$scratch/fresh/$top"
cmake -S . -B build -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$scratch/configure.log" 2>&1 ||
    fail "the configure failed: $(tail -n 20 "$scratch/configure.log")"
grep -q "Tests: off, as GoogleTest is not found" "$scratch/configure.log" ||
    fail "the configure does not say that the tests are off"
# with GoogleTest at hand, a plain configure builds the tests
cmake -S . -B build-tests >"$scratch/configure-tests.log" 2>&1 ||
    fail "the configure with GoogleTest failed: $(tail -n 20 "$scratch/configure-tests.log")"
grep "Tests: off" "$scratch/configure-tests.log" && fail "a plain configure with GoogleTest at hand turns the tests off"
ctest --test-dir build-tests -N | grep -qx "  Test *#[0-9]*: golden.dayplotx.example-night" ||
    fail "a plain configure with GoogleTest at hand makes no end-to-end test: $(ctest --test-dir build-tests -N | tail -n 1)"
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
