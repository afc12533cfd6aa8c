#!/bin/sh
# reproducible.sh SOURCE SCRATCH: builds the programs, the Debian package, the Windows
# executable and its zip twice with the README's commands, from two copies of the tree
# that differ in path and depth, file times, umask, time zone, user (nobody, when run as
# root) and start time, SOURCE_DATE_EPOCH unset, and compares what they made byte for byte.
set -eu
src=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"
other=$(mktemp -d "${TMPDIR:-/tmp}/dayplot-rebuild.XXXXXX")
trap 'rm -rf "$other"' EXIT
a=$scratch/dayplot b=$other/one/level/deeper/dayplot-copy
for tree in "$a" "$b"; do
    mkdir -p "$tree"
    (cd "$src" && tar -cf - --exclude='./build*' --exclude=./.git .) | tar -xf - -C "$tree"
done
find "$b" -exec touch -h -d '2001-02-03 04:05:06' {} +

build='set -e
    cmake --preset programs
    cmake --build --preset programs
    (cd build && cpack -G DEB)
    cmake --preset windows -DDAYPLOT_TESTS=OFF
    cmake --build --preset windows
    (cd build-windows && cpack -G ZIP)'
failed() { tail -n 20 "$1.log"; echo "the build in $1 failed"; exit 1; }
(cd "$a" && umask 0022 && env -u SOURCE_DATE_EPOCH TZ=UTC sh -c "$build") >"$a.log" 2>&1 ||
    failed "$a"
as=""
if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$other"
    as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
(cd "$b" && umask 0002 && env -u SOURCE_DATE_EPOCH TZ=JST-9 HOME="$other" $as sh -c "$build") \
    >"$b.log" 2>&1 || failed "$b"

status=0
cd "$a"
for f in build/dayplotx build/dayplotw build/page/dayplotx.1.gz build/dayplotw.1.gz \
    build/changelog.gz build/*.deb build/*.deb.sha256 build-windows/dayplotw.exe \
    build-windows/*.zip build-windows/*.zip.sha256; do
    if ! cmp -s "$f" "$b/$f"; then
        echo "$f differs between the two builds"
        command -v diffoscope >/dev/null && diffoscope "$f" "$b/$f" | head -n 40
        status=1
    fi
done
exit $status
