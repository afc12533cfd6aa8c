#!/bin/bash
# readme.sh DEB SOURCE SCRATCH: runs the README's lines for a Debian package as written, as
# root, in a folder holding only the package and its checksum, on a throw-away minimal
# system of the machine's own Debian release (made with debootstrap from the machine's apt
# source and entered with chroot: no mount, so it works in a chroot or a container too, and
# the machine's package database never sees it): every line must succeed, the run chart the
# installed example and man show the page.
set -eu
pkg=$1 src=$2 scratch=$3
. "$(dirname "$0")/package.sh"
[ "$(id -u)" = 0 ] || fail "the README's package lines are run as root, as it says"
readme_lines "apt install ./dayplot_*_amd64.deb"
suite=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' |
    awk -v suite="$suite" '$2 == suite { sub("/$", "", $1); print $1; exit }')
[ -n "$suite" ] && [ -n "$mirror" ] || fail "no apt source for this machine's release '$suite'"
root=$scratch/root
debootstrap --variant=minbase "$suite" "$root" "$mirror" >"$scratch/debootstrap.log" 2>&1 ||
    fail "$(tail -n 20 "$scratch/debootstrap.log")
debootstrap $suite failed: no throw-away system for the README's lines"
cp /etc/resolv.conf "$root/etc/" 2>/dev/null || true
cp -R "$scratch/download" "$root/download"
cp "$scratch/lines" "$root/lines"
chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive MANWIDTH=80 sh -exc 'cd /download && . /lines' \
    </dev/null >"$scratch/out" 2>&1 ||
    fail "$(tail -n 20 "$scratch/out")
the README's package lines above failed"
readme_ran "$scratch/out"
