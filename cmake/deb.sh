#!/bin/sh
# deb.sh BUILD SOURCE VERSION EPOCH [ARCH]: the Debian package of the build folder BUILD,
# BUILD/dayplot_VERSION_ARCH.deb and its .sha256, made with dpkg's own tools: what the build
# installs under /usr, stripped; the control file by dpkg-gencontrol from doc/control (its
# Installed-Size too), Depends by dpkg-shlibdeps; packed by dpkg-deb at the time EPOCH.
# ARCH labels a build across, whose programs must be static: its Depends cannot be worked out.
set -eu
build=$(cd "$1" && pwd) src=$2 version=$3 epoch=$4 arch=${5-}
work=$(mktemp -d "${TMPDIR:-/tmp}/dayplot-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT
DESTDIR=$work/debian/dayplot cmake --install "$build" --prefix /usr --strip >/dev/null
mkdir "$work/debian/dayplot/DEBIAN"
cp "$src/doc/control" "$src/doc/changelog" "$work/debian/"
cd "$work"
case $arch in unknown:*)
    echo "no Debian architecture is known for the target \"${arch#*:}\" (dpkg-architecture," \
        "from dpkg-dev, names it): configure with -DDAYPLOT_DEB_ARCH=..." >&2
    exit 1 ;;
esac
if ! readelf -lW debian/dayplot/usr/bin/dayplotx | grep -qw INTERP; then
    echo "shlibs:Depends=" >debian/substvars
elif [ -z "$arch" ]; then
    dpkg-shlibdeps -Tdebian/substvars debian/dayplot/usr/bin/*
else
    echo "a package of a cross build holds static programs (configure with" \
        "-DCMAKE_EXE_LINKER_FLAGS=-static): its Depends cannot be worked out across" >&2
    exit 1
fi
arch=${arch:-$(dpkg-architecture -qDEB_HOST_ARCH)}
# what is packed as any umask and any file time would leave it
chmod -R u=rwX,go=rX debian/dayplot
find debian/dayplot -exec touch -h -d "@$epoch" {} +
dpkg-gencontrol -v"$version" -DArchitecture="$arch" -Pdebian/dayplot -fdebian/files
deb=dayplot_${version}_$arch.deb
SOURCE_DATE_EPOCH=$epoch dpkg-deb --root-owner-group -b debian/dayplot "$build/$deb" >/dev/null
cd "$build" && sha256sum "$deb" >"$deb.sha256"
