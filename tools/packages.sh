# The Debian packages this tree needs, in one place: sourced by tools/example.sh and
# .ci/run. "build" makes the two programs; "test" runs every test and makes the release.
# Debian 12 and 13 both have each of them under these names (clang: each its own version).
build_packages="cmake make g++"
test_packages="$build_packages git libgtest-dev googletest libbenchmark-dev valgrind dpkg-dev
    lintian man-db groff-base unzip clang libclang-rt-dev libc++-dev libc++abi-dev
    g++-mingw-w64-x86-64 wine64 g++-aarch64-linux-gnu g++-arm-linux-gnueabi g++-i686-linux-gnu
    g++-s390x-linux-gnu qemu-user-static zip debootstrap"

# install_packages LIST...: installs with apt-get those of the packages that are missing.
# Not as root, prints the one command that would and returns 1.
install_packages() {
    missing=""
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
            missing="$missing $p"
    done
    [ -z "$missing" ] && return 0
    if [ "$(id -u)" != 0 ]; then
        echo "Missing packages; as root, run:"
        echo "    apt-get update && apt-get install -y --no-install-recommends$missing"
        return 1
    fi
    export DEBIAN_FRONTEND=noninteractive
    apt-get update && apt-get install -y --no-install-recommends $missing
}
