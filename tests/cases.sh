#!/bin/sh
# cases.sh SOURCE SCRATCH PROGRAM_DIR [EMULATOR...]: runs every end-to-end case of SOURCE's
# tests/golden with both programs in PROGRAM_DIR, under EMULATOR when given, each in a folder
# of SCRATCH; prints the runs that failed and fails with them, or when it finds no case.
src=$1 scratch=$2 dir=$3
shift 3
mkdir -p "$scratch" || exit 1
ran=0 failed=0
for case in "$src"/tests/golden/*/; do
    [ -d "$case" ] || continue
    case=${case%/}
    for p in dayplotx dayplotw; do
        run=$scratch/$p.$(basename "$case")
        ran=$((ran + 1))
        sh "$src/tests/golden.sh" "$case" "$run" "$@" "$dir/$p" >"$run.log" 2>&1 ||
            { echo "$run:" && cat "$run.log" && failed=$((failed + 1)); }
    done
done
[ $ran -gt 0 ] || { echo "no end-to-end case found in $src/tests/golden"; exit 1; }
[ $failed = 0 ] || { echo "$failed of $ran end-to-end runs failed"; exit 1; }
echo "$ran end-to-end runs, each as expected"
