# Sourced by deb.sh, zip.sh and archive.sh (bash) with pkg, src, scratch and generator (DEB,
# ZIP or none) set: fail, the project's version, a fresh scratch folder, and pkg as the
# package to check, made with cpack first when it names a build folder, its checksum file
# checked as a user checks a download. Every check that stops the script says why.
fail() { echo "$*"; exit 1; }
trap 'echo "stopped: \"$BASH_COMMAND\" failed (status $?)"' ERR
set -E
version=$(sed -n 's/^project(dayplot VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
rm -rf "$scratch" && mkdir -p "$scratch/run" "$scratch/download"
if [ -d "$pkg" ]; then
    (cd "$pkg" && cpack -G $generator -B "$scratch/pkg" >"$scratch/cpack.log") || fail "cpack failed"
    pkg=$(ls "$scratch"/pkg/dayplot* | grep -v "[.]sha256$")
fi
# the two files alone in a folder, the package named as it stands there
name=$(basename "$pkg")
grep -Eqx "[0-9a-f]{64}  $name" "$pkg.sha256" ||
    fail "$name.sha256 is not one checksum of $name: $(cat "$pkg.sha256")"
cp "$pkg" "$pkg.sha256" "$scratch/download/"
(cd "$scratch/download" && sha256sum -c --quiet "$name.sha256") ||
    fail "$name does not match its checksum file"

# run_cases PROGRAM_DIR [EMULATOR...]: every end-to-end case of both programs in PROGRAM_DIR
run_cases() {
    local dir=$1 failed=0 case p run
    shift
    for case in "$src"/tests/golden/*/; do
        case=${case%/}
        for p in dayplotx dayplotw; do
            run=$scratch/run/$p.$(basename "$case")
            sh "$src/tests/golden.sh" "$case" "$run" "$@" "$dir/$p" >"$run.log" 2>&1 ||
                { echo "$run:" && cat "$run.log" && failed=$((failed + 1)); }
        done
    done
    [ $failed = 0 ] || fail "$failed end-to-end runs failed"
}
