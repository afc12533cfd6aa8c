#!/bin/sh
# tarball.sh EPOCH OUT DIR: packs the folder DIR as OUT (.tar.gz), named by its last part.
# tarball.sh EPOCH OUT SOURCE PREFIX: packs the sources under PREFIX/: in a git checkout the
# commit's tree (git archive), which stops on uncommitted changes to the files git holds;
# elsewhere (an unpacked sources archive) the tree as it stands, but .git, build* and the
# chart file lc.txt that the example leaves at its top, as git ignores them.
# Either way with OUT.sha256 beside it, and the same bytes on a rebuild, from the commit or
# from its sources unpacked: names sorted, every time EPOCH, owner and group 0, modes 0755 or
# 0644, links as they are, no time or name in the gzip header.
set -eu
epoch=$1 out=$2 dir=$3 prefix=${4-}
if [ -n "$prefix" ]; then
    stage=$(mktemp -d "${TMPDIR:-/tmp}/dayplot-sources.XXXXXX")
    trap 'rm -rf "$stage"' EXIT
    mkdir "$stage/$prefix"
    if [ -e "$dir/.git" ]; then
        changed=$(git -C "$dir" status --porcelain --untracked-files=no)
        [ -z "$changed" ] || { printf 'the sources are a commit: commit these changes first:\n%s\n' \
            "$changed" >&2; exit 1; }
        git -C "$dir" archive HEAD | tar -xf - -C "$stage/$prefix"
    else
        (cd "$dir" && tar -cf - --exclude=./.git --exclude='./build*' --exclude=./lc.txt .) |
            tar -xf - -C "$stage/$prefix"
    fi
    dir=$stage/$prefix
fi
(cd "$(dirname "$dir")" && tar --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
    --mode=u=rwX,go=rX --format=gnu -cf - "$(basename "$dir")") | gzip -9n >"$out.part"
mv "$out.part" "$out"
cd "$(dirname "$out")"
sha256sum "$(basename "$out")" >"$(basename "$out").sha256"
