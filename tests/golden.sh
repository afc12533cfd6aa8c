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
set -u
prog=$1 case=$2 scratch=$3
case $(basename "$prog") in
dayplotw*) k=w ;;
*) k=x ;;
esac
rm -rf "$scratch" && mkdir -p "$scratch" || exit 1
[ -d "$case/files" ] && cp -R "$case/files/." "$scratch/"
cd "$scratch" || exit 1
[ -f "$case/setup" ] && sh "$case/setup"
"$prog" <"$case/answers" >console
status=$?
want=0
[ -f "$case/status" ] && want=$(cat "$case/status")
[ -f "$case/status.$k" ] && want=$(cat "$case/status.$k")
fail=0
if [ "$status" != "$want" ]; then
    echo "exit status $status, expected $want"
    fail=1
fi
cmp "$case/out.$k" console || fail=1
if [ -f "$case/lc.$k" ]; then
    cmp "$case/lc.$k" lc.txt || fail=1
elif [ -f "$case/files/lc.txt" ]; then
    cmp "$case/files/lc.txt" lc.txt || fail=1
elif [ -d "$case/files/lc.txt" ]; then
    [ -d lc.txt ] || { echo "lc.txt is no longer a directory"; fail=1; }
elif [ -e lc.txt ]; then
    echo "lc.txt was written"
    fail=1
fi
exit $fail
