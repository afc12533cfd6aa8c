#!/bin/sh
# zip.sh BUILD NAME EPOCH: the zip of the Windows build BUILD, BUILD/NAME.zip and its .sha256:
# the folder NAME as the build installs it, the executable stripped. The same bytes on a
# rebuild: names sorted, every time EPOCH (in UTC, as a zip's times are local), modes 0755 or
# 0644 whatever the umask, no extra fields (owners, Unix times).
set -eu
build=$(cd "$1" && pwd) name=$2 epoch=$3
stage=$(mktemp -d "${TMPDIR:-/tmp}/dayplot-zip.XXXXXX")
trap 'rm -rf "$stage"' EXIT
# the strip writes the time into the executable's header
SOURCE_DATE_EPOCH=$epoch cmake --install "$build" --prefix "$stage/$name" --strip >/dev/null
chmod -R u=rwX,go=rX "$stage"
find "$stage" -exec touch -h -d "@$epoch" {} +
rm -f "$build/$name.zip"
(cd "$stage" && find "$name" | LC_ALL=C sort | TZ=UTC zip -q -X "$build/$name.zip" -@)
cd "$build" && sha256sum "$name.zip" >"$name.zip.sha256"
