#!/bin/bash
# readme.sh DEB SOURCE SCRATCH: runs the README's lines for a Debian package as written, as
# root, in a folder holding only the package and its checksum, in a throw-away copy of the
# machine's root (an overlay seen only by a mount namespace of its own): every line must
# succeed, the run chart the installed example and man show the page.
set -eu
pkg=$1 src=$2 scratch=$3
. "$(dirname "$0")/package.sh"
[ "$(id -u)" = 0 ] || fail "the README's package lines are run as root, as it says"
readme_lines "apt install ./$name"
mkdir -p "$scratch/upper" "$scratch/work" "$scratch/root"
unshare -m sh -euc '
    s=$1
    mount -t overlay overlay -o "lowerdir=/,upperdir=$s/upper,workdir=$s/work" "$s/root"
    mount --rbind /dev "$s/root/dev"
    mount -t proc proc "$s/root/proc"
    chroot "$s/root" env DEBIAN_FRONTEND=noninteractive MANWIDTH=80 \
        sh -exc "cd \"$s/download\" && . \"$s/lines\"" </dev/null >"$s/out" 2>&1' sh "$scratch" ||
    fail "$(tail -n 20 "$scratch/out")
the README's package lines above failed"
readme_ran "$scratch/out"
