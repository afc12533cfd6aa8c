#!/bin/sh
# cost.sh BUILD_DIR [LIMIT]: prints the instructions (callgrind) of a whole run of each
# program on the benchmark workload, answered "n 40 76", and their peak heap (massif) for
# 10 and for 4999 records; then the floor, a program that only reads the same file and
# writes as many bytes. With LIMIT, fails when a run takes more instructions than that.
set -eu
build=$(cd "$1" && pwd) limit=${2:-0}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
sh "$here/workload.sh" >big.txt
head -n 10 big.txt >small.txt
status=0
count() { # count PROGRAM ARGS...: instructions of one run, answers on standard input
    valgrind --tool=callgrind --callgrind-out-file=cg.out "$@" >out 2>cg.log
    sed -n 's/^summary: *//p' cg.out
}
for prog in dayplotx dayplotw; do
    ir=$(printf 'big.txt n 40 76\n' | count "$build/$prog")
    peaks=""
    for data in small.txt big.txt; do
        printf '%s n 40 76\n' $data | valgrind --tool=massif --massif-out-file=ms.out \
            "$build/$prog" >/dev/null 2>/dev/null
        peaks="$peaks $(sed -n 's/^mem_heap_B=//p' ms.out | sort -n | tail -n 1)"
    done
    set -- $peaks
    echo "$prog: $ir instructions; peak heap $1 bytes for 10 records, $2 for 4999"
    if [ "$limit" -gt 0 ] && [ "$ir" -gt "$limit" ]; then
        echo "$prog: more than $limit instructions"
        status=1
    fi
    if [ "$1" != "$2" ]; then
        echo "$prog: the peak heap grows with the file"
        status=1
    fi
done
if [ -x "$build/floor" ]; then
    printf 'big.txt n 40 76\n' | "$build/dayplotx" >out
    ir=$(count "$build/floor" big.txt "$(wc -c <out)" "$(wc -c <lc.txt)")
    echo "floor: $ir instructions to read $(wc -c <big.txt) bytes and write $(wc -c <out) + $(wc -c <lc.txt)"
fi
exit $status
