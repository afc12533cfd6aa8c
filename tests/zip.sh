#!/bin/sh
# zip.sh BUILD SOURCE SCRATCH EMULATOR: makes the Windows zip, checks what it holds (text
# files with CR LF line ends, a README written for Windows), and runs the dayplotw.exe from
# it on its example data against the golden bytes.
set -eu
build=$1 src=$2 scratch=$3 emulator=$4
golden=$src/tests/golden/example-night
rm -rf "$scratch" && mkdir -p "$scratch/run"
fail() { echo "$*"; exit 1; }
(cd "$build" && cpack -G ZIP -B "$scratch/pkg" >"$scratch/cpack.log") || fail "cpack failed"
zip=$(ls "$scratch"/pkg/*.zip)
(cd "$scratch/pkg" && sha256sum -c --quiet "$zip.sha256") || fail "the checksum file does not match"
unzip -q "$zip" -d "$scratch/unpacked"
top=$(ls -d "$scratch"/unpacked/*/)
for f in dayplotw.exe README.txt LICENSE.txt examples/night.txt; do
    [ -f "$top/$f" ] || fail "the zip has no $f"
done
for f in README.txt LICENSE.txt examples/night.txt; do
    perl -ne 'exit 1 unless /\r\n\z/' "$top/$f" || fail "$f has a line not ended in CR LF"
done
grep -q "chcp 932" "$top/README.txt" || fail "README.txt is not the one for Windows"
! grep -Eq "apt-get|cmake|build/" "$top/README.txt" || fail "README.txt speaks of Linux"
tr -d '\r' <"$top/examples/night.txt" | cmp - "$golden/files/night.txt"
cp "$top/examples/night.txt" "$scratch/run/"
cd "$scratch/run"
"$emulator" "$top/dayplotw.exe" <"$golden/answers" >console
# dayplotw: the same bytes with each line break as CR LF
perl -pe 's/\n/\r\n/' "$golden/out.x" | cmp - console
perl -pe 's/\n/\r\n/' "$golden/lc.x" | cmp - lc.txt
