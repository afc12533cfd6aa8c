#!/bin/bash
# source.sh TARBALL SOURCE SCRATCH: checks the release's sources as a builder gets them, with
# nothing taken from the tree they were made from: one folder dayplot-VERSION, nothing built
# in it; unpacked, the same bytes packed again from a commit of them (a file git does not
# hold left out), and refused while a file git holds is changed; configured with GoogleTest
# hidden (the tests off, said in one line) and plainly (the tests on); and their own tests,
# the default workflow, pass there.
set -eu
pkg=$1 src=$2 scratch=$3
. "$(dirname "$0")/package.sh"
top=dayplot-$version
[ "$name" = "$top.tar.gz" ] || fail "the sources are not named $top.tar.gz"
tar -tzf "$pkg" >"$scratch/entries"
grep -v "^$top/" "$scratch/entries" && fail "entries outside $top/"
grep -E '(^|/)(build[^/]*|CMakeFiles)/|CMakeCache.txt' "$scratch/entries" && fail "build output in the sources"
mkdir "$scratch/fresh"
tar -xzf "$pkg" -C "$scratch/fresh"
tree=$scratch/fresh/$top
cp -R "$tree" "$scratch/git"
cd "$scratch/git"
git init -q && git add -A && git -c user.name=dayplot -c user.email=dayplot@invalid commit -qm sources
echo "notes" >notes.txt
epoch=$(dpkg-parsechangelog -l doc/changelog -STimestamp)
sh "$tree/cmake/tarball.sh" "$epoch" "$scratch/commit.tar.gz" . "$top"
cmp "$scratch/commit.tar.gz" "$pkg" || fail "the sources packed from a commit differ from the release's"
echo >>README.md
sh "$src/tests/refused.sh" "README.md" sh "$tree/cmake/tarball.sh" "$epoch" "$scratch/x.tar.gz" . "$top" ||
    fail "sources packed from a commit with README.md changed"

cd "$tree"
cmake -S . -B build-plain -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON >"$scratch/configure.log" 2>&1 ||
    fail "the configure failed: $(tail -n 20 "$scratch/configure.log")"
grep -q "Tests: off, as GoogleTest is not found" "$scratch/configure.log" ||
    fail "the configure does not say that the tests are off"
cmake -S . -B build-tests >"$scratch/configure-tests.log" 2>&1 ||
    fail "the configure with GoogleTest failed: $(tail -n 20 "$scratch/configure-tests.log")"
grep "Tests: off" "$scratch/configure-tests.log" && fail "a plain configure with GoogleTest at hand turns the tests off"
ctest --test-dir build-tests -N | grep -qx "  Test *#[0-9]*: golden.dayplotx.example-night" ||
    fail "a plain configure with GoogleTest at hand makes no end-to-end test: $(ctest --test-dir build-tests -N | tail -n 1)"
cmake --workflow --preset default >"$scratch/default.log" 2>&1 ||
    fail "$(grep -A 12 -e '\*\*\*Failed' -e 'tests passed' "$scratch/default.log" || tail -n 20 "$scratch/default.log")
the sources' own tests failed: cmake --workflow --preset default in $tree"
