#!/bin/sh
# tarball.sh EPOCH OUT DIR: packs the folder DIR as OUT (.tar.gz), named by its last part.
# tarball.sh EPOCH OUT SOURCE PREFIX: packs the sources of the tree SOURCE (as sources.sh
# lists them) under PREFIX/.
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
    sh "$(dirname "$0")/sources.sh" "$dir" >"$out.list"
    pack "$dir" --transform="s|^|$prefix/|" --no-recursion -T "$out.list"
    rm "$out.list"
fi
cd "$(dirname "$out")"
sha256sum "$(basename "$out")" >"$(basename "$out").sha256"
