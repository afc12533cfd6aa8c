#!/bin/sh
# zip.sh BUILD SOURCE SCRATCH EMULATOR: makes the Windows zip, checks what it holds, and
# runs the dayplotw.exe from it on its example data against the golden bytes.
set -eu
build=$1 src=$2 scratch=$3 emulator=$4
golden=$src/tests/golden/example-night
rm -rf "$scratch" && mkdir -p "$scratch/run"
(cd "$build" && cpack -G ZIP -B "$scratch/pkg" >"$scratch/cpack.log") || { echo "cpack failed"; exit 1; }
zip=$(ls "$scratch"/pkg/*.zip)
unzip -q "$zip" -d "$scratch/unpacked"
top=$(ls -d "$scratch"/unpacked/*/)
for f in dayplotw.exe README.md LICENSE examples/night.txt; do
    [ -f "$top/$f" ] || { echo "the zip has no $f"; exit 1; }
done
cmp "$top/examples/night.txt" "$golden/files/night.txt"
cp "$top/examples/night.txt" "$scratch/run/"
cd "$scratch/run"
"$emulator" "$top/dayplotw.exe" <"$golden/answers" >console
# dayplotw: the same bytes with each line break as CR LF
perl -pe 's/\n/\r\n/' "$golden/out.x" | cmp - console
perl -pe 's/\n/\r\n/' "$golden/lc.x" | cmp - lc.txt
