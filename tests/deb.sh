#!/bin/bash
# deb.sh DEB|BUILD SOURCE SCRATCH [EMULATOR...]: checks a Debian package as a user gets it
# (made by the build's target deb first when given a build folder): its checksum and fields, a name, label
# and Depends that match the programs inside, its manual pages and lintian; then runs every
# end-to-end case with both programs it holds, under EMULATOR when given.
set -eu
pkg=$1 src=$2 scratch=$3 target=deb
shift 3
. "$(dirname "$0")/package.sh"
deb=$pkg
for field in Package Version Maintainer Description; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the package has no $field"
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "the package is not version $version"
dpkg-deb -x "$deb" "$scratch/root"
root=$scratch/root/usr

arch=$(dpkg-deb -f "$deb" Architecture)
case $arch in
amd64) cpu=x86-64 ;;
arm64) cpu=aarch64 ;;
armhf) cpu=arm-eabi5 ;;
*) fail "no check for $arch packages" ;;
esac
[ "$(basename "$deb")" = "dayplot_${version}_$arch.deb" ] || fail "$deb is labelled $arch"
programs_for $cpu "$root/bin"
depends=$(dpkg-deb -f "$deb" Depends)
override=$root/share/lintian/overrides/dayplot
if ! readelf -lW "$root/bin/dayplotx" | grep -qw INTERP; then
    [ -z "$depends" ] || fail "static programs, yet Depends: $depends"
else
    [ -n "$depends" ] || fail "dynamic programs, yet no Depends"
    [ ! -e "$override" ] || fail "dynamic programs, yet a lintian override calls them static"
fi

pages_japanese "$root/share/man"
for man in man man/ja; do
    pages_render "$root/share/$man" -l man1/PAGE.1.gz
    zcat "$root/share/$man/man1/dayplotx.1.gz" >"$scratch/page"
    grep -q "dayplot $version" "$scratch/page" || fail "the manual page in $man is not $version"
    grep -q "/usr/share/doc/dayplot/examples/night.txt" "$scratch/page" ||
        fail "the manual page in $man does not name the examples under /usr"
done
cmp "$root/share/doc/dayplot/examples/night.txt" "$src/tests/golden/example-night/files/night.txt"
cmp "$root/share/doc/dayplot/README.md" "$src/README.md" || fail "the package carries no README for its users"
# its temporary files go to the scratch folder, not the machine's
TMPDIR=$scratch lintian --fail-on error,warning "$deb" || fail "lintian: errors or warnings"

run_cases "$root/bin" "$@"
