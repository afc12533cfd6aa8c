# Sourced by the package checks (bash) with pkg, src, scratch and target (deb or package,
# where pkg may be a build folder) set: fail, the project's version, a fresh scratch folder,
# and pkg as the package to check, made by the build's target first when it names a build
# folder, its checksum file checked as a user checks a download. Every check that stops the
# script says why.
fail() { echo "$*"; exit 1; }
trap 'echo "stopped: \"$BASH_COMMAND\" failed (status $?)"' ERR
set -E
version=$(sed -n 's/^project(dayplot VERSION \([0-9.]*\).*/\1/p' "$src/CMakeLists.txt")
rm -rf "$scratch" && mkdir -p "$scratch/run" "$scratch/download"
if [ -d "$pkg" ]; then
    cmake --build "$pkg" --target $target >"$scratch/package.log" 2>&1 ||
        fail "$(tail -n 20 "$scratch/package.log")
making the package failed"
    pkg=$(ls "$pkg"/dayplot[-_]"$version"[-_]* | grep -v "[.]sha256$")
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
    bash "$src/tests/cases.sh" "$src" "$scratch/run" "$@" || fail "the programs in $1 failed"
}

# elf_cpu FILE: the processor the little-endian ELF program FILE is for, read from its
# header's bytes (e_machine; for ARM the EABI version in e_flags), not from a tool's words
elf_cpu() {
    local b
    read -ra b <<<"$(od -An -v -tu1 -N40 "$1" | tr -s ' \n' '  ')"
    [ "${b[*]:0:4}" = "127 69 76 70" ] || { echo "no ELF file"; return; }
    case $((b[19] * 256 + b[18])) in
    62) echo x86-64 ;;
    3) echo i386 ;;
    183) echo aarch64 ;;
    40) echo "arm-eabi${b[39]}" ;;
    *) echo "machine $((b[19] * 256 + b[18]))" ;;
    esac
}

# programs_for CPU DIR: both programs in DIR are for CPU (as elf_cpu names it)
programs_for() {
    local p
    for p in dayplotx dayplotw; do
        [ "$(elf_cpu "$2/$p")" = "$1" ] || fail "$p is not for $1: its ELF header says $(elf_cpu "$2/$p")"
    done
}

# pages_japanese DIR: the pages in DIR/man1 (gzipped or not) are the English page, those in
# DIR/ja/man1 the Japanese one, each by its first heading
pages_japanese() {
    local en ja
    en=$(zcat -f "$1"/man1/dayplotx.1* | grep -m1 '^\.SH') ja=$(zcat -f "$1"/ja/man1/dayplotx.1* | grep -m1 '^\.SH')
    [ "$en" = ".SH NAME" ] || fail "${1#"$scratch"/}/man1/dayplotx.1 is not the English page: its first heading is '$en'"
    [ "$ja" = ".SH 名前" ] || fail "${1#"$scratch"/}/ja/man1/dayplotx.1 is not the Japanese page: its first heading is '$ja'"
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
