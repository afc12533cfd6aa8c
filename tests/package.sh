# Sourced by the package checks (bash) with pkg, src, scratch and generator (DEB or ZIP, where
# pkg may be a build folder) set: fail, the project's version, a fresh scratch folder, and pkg as the
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

# pages_render DIR MAN-ARGS...: man, run in DIR with MAN-ARGS and each page's name (dayplotx,
# dayplotw), renders both on a UTF-8 terminal without a warning
pages_render() {
    local dir=$1 page out
    shift
    for page in dayplotx dayplotw; do
        out=$(cd "$dir" && LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings=all "${@/PAGE/$page}" 2>&1 >/dev/null) &&
            [ -z "$out" ] || fail "${dir#"$scratch"/}: man ${*/PAGE/$page}: $out"
    done
}

# readme_lines TEXT: the README's command block holding a line with TEXT, unindented, into
# $scratch/lines, so that a test runs the lines as written
readme_lines() {
    awk -v text="$1" '/^    /{ b = b substr($0, 5) "\n"; if (index($0, text)) hit = 1; next }
        hit { exit } { b = "" }
        END { if (hit) printf "%s", b }' "$src/README.md" >"$scratch/lines"
    [ -s "$scratch/lines" ] || fail "the README has no block with $1"
}

# readme_ran LOG: the README's lines, traced into LOG, charted the example (its last date
# key, 101) and showed the manual page
readme_ran() {
    grep -q "^101 " "$1" && grep -q "^DAYPLOTX(1)" "$1" ||
        fail "$(tail -n 40 "$1")
the README's lines did not chart the example and show the manual page"
}
