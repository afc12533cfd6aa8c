#!/bin/sh
# package.sh BUILD SOURCE SCRATCH: installs into a scratch prefix and checks the layout,
# then makes the Debian package, unpacks it into a scratch root, checks its control
# fields and manual pages, and runs the packaged dayplotx on the packaged example data
# against the golden bytes of that run.
set -eu
build=$1 src=$2 scratch=$3
golden=$src/tests/golden/example-night
rm -rf "$scratch" && mkdir -p "$scratch/run"
fail() { echo "$*"; exit 1; }

cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
for f in bin/dayplotx bin/dayplotw share/man/man1/dayplotx.1.gz share/man/man1/dayplotw.1.gz \
    share/doc/dayplot/examples/night.txt share/doc/dayplot/copyright share/doc/dayplot/changelog.gz; do
    [ -f "$scratch/prefix/$f" ] || fail "cmake --install left out $f"
done

(cd "$build" && cpack -G DEB -B "$scratch/pkg" >"$scratch/cpack.log") || fail "cpack failed"
deb=$(ls "$scratch"/pkg/*.deb)
(cd "$scratch/pkg" && sha256sum -c --quiet "$deb.sha256") || fail "the checksum file does not match"
for field in Package Version Maintainer Description Depends; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done
version=$(sed -n 's/^project(dayplot VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr

for page in dayplotx dayplotw; do
    out=$(cd "$root/share/man" && MANWIDTH=80 man --warnings -l "man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $page: $out"
done
zcat "$root/share/man/man1/dayplotx.1.gz" >"$scratch/page"
grep -q "dayplot $version" "$scratch/page" || fail "the manual page is not $version"
grep -q "/usr/share/doc/dayplot/examples/night.txt" "$scratch/page" ||
    fail "the manual page does not name the examples under /usr"
if command -v lintian >/dev/null; then
    # its temporary files go to the scratch folder, not the machine's
    TMPDIR=$scratch lintian --fail-on error,warning "$deb" || fail "lintian: errors or warnings"
fi
grep -q "^Version $version\.$" "$src/README.md" || fail "the README is not version $version"

cmp "$root/share/doc/dayplot/examples/night.txt" "$golden/files/night.txt"
cp "$root/share/doc/dayplot/examples/night.txt" "$scratch/run/"
cd "$scratch/run"
"$root/bin/dayplotx" <"$golden/answers" >console
cmp "$golden/out.x" console
cmp "$golden/lc.x" lc.txt
"$root/bin/dayplotw" <"$golden/answers" >console
# dayplotw: the same bytes with each line break as CR LF
perl -pe 's/\n/\r\n/' "$golden/out.x" | cmp - console
perl -pe 's/\n/\r\n/' "$golden/lc.x" | cmp - lc.txt
