#!/bin/sh
# Runs one program on one golden case in a scratch directory and compares its console
# bytes, its exit status and the lc.txt it leaves with the case's expectations.
#
# A case directory holds:
#   answers       standard input of the run
#   files/        copied into the scratch directory first (data files; lc.txt/ to block it)
#   setup         optional: run in the scratch directory to make large inputs
#   status        expected exit status (0 when absent; status.x and status.w for one program)
#   out.x, out.w  expected console bytes of dayplotx and dayplotw
#   lc.x, lc.w    expected lc.txt; when absent, lc.txt must be left as files/ had it
#   err.x, err.w  expected standard error; when absent it must stay empty
#                 (for dayplotw, where both programs end with the same status, an absent
#                 .w is the .x with every LF as CR LF)
#   console-full  present: standard output goes to /dev/full (out.x and out.w unused)
#   out.exe, status.exe, lc.exe
#                 where the Windows executable differs (Windows cannot open a directory)
#
# Usage: golden.sh CASE SCRATCH [EMULATOR] PROGRAM
set -u
case=$1 scratch=$2
shift 2
eval "prog=\${$#}"
case $(basename "$prog") in
dayplotw*) k=w ;;
*) k=x ;;
esac
status_of() { # the exit status the case expects of program $1 (x or w), the .exe aside
    for f in "$case/status.$1" "$case/status"; do
        [ -f "$f" ] && { cat "$f"; return; }
    done
    echo 0
}
expect() { # the expectation file for this program: $1.exe, $1.$k, $1 or, where both
    # programs end alike, made from $1.x
    case $prog in *.exe) [ -f "$case/$1.exe" ] && { echo "$case/$1.exe"; return; } ;; esac
    [ -f "$case/$1.$k" ] && { echo "$case/$1.$k"; return; }
    if [ $k = w ] && [ $1 != status ] && [ -f "$case/$1.x" ] &&
        [ "$(status_of x)" = "$(status_of w)" ]; then
        # dayplotw writes what dayplotx does, each line break as CR LF
        perl -pe 's/\n/\r\n/' "$case/$1.x" >"$scratch/expected.$1"
        echo "$scratch/expected.$1"
        return
    fi
    [ -f "$case/$1" ] && { echo "$case/$1"; return; }
    echo /nonexistent
}
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
[ -d "$case/files" ] && cp -R "$case/files/." "$scratch/"
cd "$scratch" || exit 1
[ -f "$case/setup" ] && sh "$case/setup"
out=console
[ -f "$case/console-full" ] && out=/dev/full
"$@" <"$case/answers" >$out 2>errors
status=$?
want=0
[ -f "$(expect status)" ] && want=$(cat "$(expect status)")
fail=0
same() { # same EXPECTED WRITTEN: or fails the case, the first lines that differ shown
    cmp -s "$1" "$2" && return
    echo "$(basename "$2") is not as expected (< expected $1, > written $PWD/$2):"
    diff -a "$1" "$2" | head -n 20
    fail=1
}
if [ "$status" != "$want" ]; then
    echo "exit status $status, expected $want"
    fail=1
fi
[ -f "$case/console-full" ] || same "$(expect out)" console
if [ -f "$(expect err)" ]; then
    same "$(expect err)" errors
elif [ -s errors ]; then
    echo "standard error: $(cat errors)"
    fail=1
fi
if [ -L "$case/files/lc.txt" ]; then
    [ -L lc.txt ] || { echo "lc.txt is no longer a link"; fail=1; }
elif [ -f "$(expect lc)" ]; then
    same "$(expect lc)" lc.txt
elif [ -f "$case/files/lc.txt" ]; then
    same "$case/files/lc.txt" lc.txt
elif [ -d "$case/files/lc.txt" ]; then
    [ -d lc.txt ] || { echo "lc.txt is no longer a directory"; fail=1; }
elif [ -e lc.txt ]; then
    echo "lc.txt was written"
    fail=1
fi
exit $fail
