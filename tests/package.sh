# Sourced by deb.sh and zip.sh with pkg, src, scratch and generator (DEB or ZIP) set: fail,
# the project's version, a fresh scratch folder, and pkg as the package to check, made with
# cpack first when it names a build folder, its checksum file checked.
fail() { echo "$*"; exit 1; }
version=$(sed -n 's/^project(dayplot VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
rm -rf "$scratch" && mkdir -p "$scratch/run"
if [ -d "$pkg" ]; then
    (cd "$pkg" && cpack -G $generator -B "$scratch/pkg" >"$scratch/cpack.log") || fail "cpack failed"
    pkg=$(ls "$scratch"/pkg/dayplot* | grep -v "[.]sha256$")
fi
(cd "$(dirname "$pkg")" && sha256sum -c --quiet "$(basename "$pkg").sha256") ||
    fail "the checksum file does not match"
