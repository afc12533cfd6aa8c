#!/bin/sh
# reproducible.sh SOURCES SCRATCH: makes the release once more from its sources archive
# SOURCES, unpacked on another kind of file system (a tmpfs, or a disk where OUT is on a tmpfs),
# in another path and depth, with other file times (the archive's), umask 0077, another time
# zone, user (nobody, when run as root) and start time, its build folder outside the tree and
# SOURCE_DATE_EPOCH unset; every file it makes must be the same bytes as those beside SOURCES (diffoscope,
# where installed, shows what differs). Its release folder holds an earlier version's files,
# which the build takes away, and a file of the user's, which it leaves alone.
set -eu
sources=$1 scratch=$2 out=$(dirname "$1")
rm -rf "$scratch" && mkdir -p "$scratch"
fs() { stat -f -c %T "$1"; }
there=/dev/shm
[ "$(fs "$out")" = tmpfs ] && there=/var/tmp
other=$(mktemp -d "$there/dayplot-rebuild.XXXXXX")
trap 'rm -rf "$other"' EXIT
[ "$(fs "$other")" != "$(fs "$out")" ] ||
    { echo "the two builds are on one kind of file system, $(fs "$other"): $out and $other" \
        "(the rebuild needs /dev/shm a tmpfs, or the release on one)"; exit 1; }
mkdir -p "$other/one/level/deeper" "$other/release"
tar -xzf "$sources" -C "$other/one/level/deeper"
for f in notes.txt dayplot-0.0.9-win64.zip dayplot-0.0.9-win64.zip.sha256 dayplot_0.0.9_amd64.deb; do
    echo "$f" >"$other/release/$f"
done
as=""
if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$other"
    as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
(cd "$other"/one/level/deeper/dayplot-* && umask 0077 && env -u SOURCE_DATE_EPOCH TZ=JST-9 \
    HOME="$other" $as sh -c "cmake --preset release -B $other/stage \
    -DDAYPLOT_RELEASE_DIR=$other/release && cmake --build $other/stage") >"$scratch/log" 2>&1 ||
    { tail -n 20 "$scratch/log"; echo "the rebuild from $sources failed"; exit 1; }

status=0
[ "$(ls "$other/release")" = notes.txt ] ||
    { echo "the release folder should hold only the user's notes.txt: $(ls "$other/release")"; status=1; }
cd "$out"
[ "$(ls)" = "$(ls "$other/stage/out")" ] ||
    { echo "the rebuild made other files: $(ls "$other/stage/out" | paste -sd' ' -)"; status=1; }
for f in *; do
    if ! cmp -s "$f" "$other/stage/out/$f"; then
        echo "$f differs in the rebuild"
        command -v diffoscope >/dev/null && diffoscope "$f" "$other/stage/out/$f" | head -n 40
        status=1
    fi
done
exit $status
