#!/bin/sh
# reproducible.sh SOURCE SCRATCH: makes the release twice, from two copies of the tree that
# differ in file system, path and depth, file times, umask, time zone, user (nobody, when
# run as root), start time and where the build folder is (inside the tree, then outside it), with
# SOURCE_DATE_EPOCH unset; compares what they made byte for byte, and checks that every
# time inside the packages and archives is that of the changelog's latest entry. The second
# release folder holds an earlier version's files, which the build takes away, and a file
# of the user's, which it leaves alone.
set -eu
src=$1 scratch=$2
rm -rf "$scratch" && mkdir -p "$scratch"
# the second copy on another kind of file system, whose folders list their files in another
# order: a tmpfs, or a disk where the scratch folder is on a tmpfs
fs() { stat -f -c %T "$1"; }
there=/dev/shm
[ "$(fs "$scratch")" = tmpfs ] && there=/var/tmp
other=$(mktemp -d "$there/dayplot-rebuild.XXXXXX")
trap 'rm -rf "$other"' EXIT
[ "$(fs "$other")" != "$(fs "$scratch")" ] ||
    { echo "the two copies are on one kind of file system, $(fs "$other"): $scratch and $other"; exit 1; }
a=$scratch/dayplot b=$other/one/level/deeper/dayplot-copy
for tree in "$a" "$b"; do
    mkdir -p "$tree"
    (cd "$src" && tar -cf - --exclude='./build*' --exclude=./.git .) | tar -xf - -C "$tree"
done
find "$b" -exec touch -h -d '2001-02-03 04:05:06' {} +
mkdir "$other/release"
for f in notes.txt dayplot-0.0.9-win64.zip dayplot-0.0.9-win64.zip.sha256 dayplot_0.0.9_amd64.deb; do
    echo "$f" >"$other/release/$f"
done

failed() { tail -n 20 "$1.log"; echo "the release in $1 failed"; exit 1; }
(cd "$a" && umask 0022 && env -u SOURCE_DATE_EPOCH TZ=UTC sh -c \
    'cmake --preset release && cmake --build --preset release') >"$a.log" 2>&1 || failed "$a"
as=""
if [ "$(id -u)" = 0 ]; then
    chown -R nobody:nogroup "$other"
    as="setpriv --reuid=nobody --regid=nogroup --clear-groups"
fi
(cd "$b" && umask 0077 && env -u SOURCE_DATE_EPOCH TZ=JST-9 HOME="$other" $as sh -c \
    "cmake --preset release -B $other/stage -DDAYPLOT_RELEASE_DIR=$other/release &&
    cmake --build $other/stage") >"$b.log" 2>&1 || failed "$b"

status=0
[ "$(ls "$other/release")" = notes.txt ] ||
    { echo "the release folder should hold only the user's notes.txt: $(ls "$other/release")"; status=1; }
cd "$a/build-stage/out"
[ "$(ls)" = "$(ls "$other/stage/out")" ] || { echo "the releases hold other files"; status=1; }
for f in *; do
    if ! cmp -s "$f" "$other/stage/out/$f"; then
        echo "$f differs between the two releases"
        command -v diffoscope >/dev/null && diffoscope "$f" "$other/stage/out/$f" | head -n 40
        status=1
    fi
done

when=$(sed -n 's/^ -- .*>  //p' "$src/doc/changelog" | head -n 1)
epoch=$(date -u -d "$when" +%s)
stamp=$(date -u -d "@$epoch" '+%Y-%m-%d %H:%M:%S') zipstamp=$(date -u -d "@$epoch" +%Y%m%d.%H%M%S)
for deb in *.deb; do
    # the ar members' times, then those of both tar archives' entries
    perl -e 'open F, "<", $ARGV[0]; read F, $m, 8;
        while (read F, $h, 60) { ($t, $s) = unpack "x16 A12 x20 A10", $h; print "$t\n";
            seek F, $s + $s % 2, 1 }' "$deb" >"$scratch/times"
    for part in --ctrl-tarfile --fsys-tarfile; do
        dpkg-deb $part "$deb" | TZ=UTC tar -tv --full-time | sed "s/.* \([-0-9]* [:0-9]*\) .*/\1/"
    done >>"$scratch/times"
    grep -vx -e "$epoch" -e "$stamp" "$scratch/times" && { echo "$deb: times not $when"; status=1; }
done
for tgz in *.tar.gz; do
    TZ=UTC tar -tvz --full-time -f "$tgz" | sed "s/.* \([-0-9]* [:0-9]*\) .*/\1/" | grep -vx "$stamp" &&
        { echo "$tgz: times not $when"; status=1; }
    [ "$(od -An -tx1 -j4 -N4 "$tgz")" = " 00 00 00 00" ] || { echo "$tgz: a time in its gzip header"; status=1; }
done
TZ=UTC zipinfo -T *.zip | sed -n 's/^[-d].* \([.0-9]*\) .*/\1/p' | grep -vx "$zipstamp" &&
    { echo "the zip: times not $when"; status=1; }
exit $status
