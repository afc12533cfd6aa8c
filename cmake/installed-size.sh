#!/bin/sh
# installed-size.sh DEB: sets DEB's Installed-Size as dpkg-gencontrol counts it (each file
# rounded up to a KiB, a KiB for each folder) and packs DEB anew with dpkg-deb. cpack adds
# the staged folders' lengths, which are the file system's (4096 bytes on ext4, a few
# entries' worth on a tmpfs): the same package built elsewhere would differ.
set -eu
deb=$1
dir=$(mktemp -d "${TMPDIR:-/tmp}/dayplot-deb.XXXXXX")
trap 'rm -rf "$dir"' EXIT
dpkg-deb -R "$deb" "$dir/root"
chmod -R u=rwX,go=rX "$dir/root" # as unpacked under any umask
kib=$(cd "$dir/root" && find . -mindepth 1 -path ./DEBIAN -prune -o -printf '%y %s\n' |
    awk '{ k += $1 == "f" ? int(($2 + 1023) / 1024) : 1 } END { print k + 0 }')
sed -i "s/^Installed-Size: .*/Installed-Size: $kib/" "$dir/root/DEBIAN/control"
dpkg-deb --root-owner-group -Zgzip -z9 -b "$dir/root" "$deb" >/dev/null
