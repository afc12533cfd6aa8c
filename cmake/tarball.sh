#!/bin/sh
# tarball.sh EPOCH OUT DIR: packs the folder DIR as OUT (.tar.gz), named by its last part.
# tarball.sh EPOCH OUT SOURCE PREFIX: packs the sources of the tree SOURCE under PREFIX/: the
# files git holds where SOURCE is a git checkout, else every file but .git and build*.
# Either way with OUT.sha256 beside it, and the same bytes on a rebuild: names sorted, every
# time EPOCH, owner and group 0, modes 0755 or 0644, no time or name in the gzip header.
set -eu
epoch=$1 out=$2 dir=$3 prefix=${4-}
pack() { # pack DIR ARGS...: tar ARGS... in DIR, to OUT
    d=$1
    shift
    (cd "$d" && tar --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
        --mode=u=rwX,go=rX --format=gnu -cf - "$@") | gzip -9n >"$out.part"
    mv "$out.part" "$out"
}
if [ -z "$prefix" ]; then
    pack "$(dirname "$dir")" "$(basename "$dir")"
else
    cd "$dir"
    if [ "$(git rev-parse --show-toplevel 2>/dev/null)" = "$(pwd -P)" ]; then
        git ls-files
    else
        find . \( -path ./.git -o -path './build*' \) -prune -o ! -type d -print | sed 's|^\./||'
    fi | LC_ALL=C sort >"$out.list"
    pack . --transform="s|^|$prefix/|" --no-recursion -T "$out.list"
    rm "$out.list"
fi
cd "$(dirname "$out")"
sha256sum "$(basename "$out")" >"$(basename "$out").sha256"
